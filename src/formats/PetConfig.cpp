#include "formats/PetConfig.h"

#include <algorithm>

#include "base/Log.h"
#include "base/TextFunctions.h"
#include "formats/ComplementedFile.h"
#include "formats/ConfigSave.h"

namespace nuv {

const char kPetConfigPath[] = ".\\DATA\\PET.CFG";

namespace {

struct TextKey {
    const char* key;
    std::string UserInfo::*member;
    std::size_t maxBytes;
};

// UserIsConnected and UserOS are refreshed at every start, so they are not read.
const TextKey kTextKeys[] = {
    {"UserName", &UserInfo::UserName, kUserNameBytes},
    {"UserSex", &UserInfo::UserSex, kUserSexBytes},
    {"UserBirthDate", &UserInfo::UserBirthDate, kUserBirthDateBytes},
    {"UserLoginID", &UserInfo::UserLoginID, kUserLoginBytes},
    {"UserLoginPasswd", &UserInfo::UserLoginPasswd, kUserLoginBytes},
    {"Useremail", &UserInfo::Useremail, kUserEmailBytes},
};

struct NumberKey {
    const char* key;
    int UserInfo::*member;
};

const NumberKey kNumberKeys[] = {
    {"UserPoint", &UserInfo::UserPoint}, {"UserLevel", &UserInfo::UserLevel},
    {"UserGold", &UserInfo::UserGold},   {"User1", &UserInfo::User1},
    {"User2", &UserInfo::User2},         {"User3", &UserInfo::User3},
    {"User4", &UserInfo::User4},         {"User5", &UserInfo::User5},
};

// "Ps(number,name,second,active)" in any letter case of "Ps"; false for other lines.
bool ReadPetEntry(const std::string& line, PetEntry* entry) {
    if (!IsSameKey(GetField(line, 0, '('), "Ps")) return false;
    std::size_t open = line.find('(');
    std::size_t close = line.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return false;
    std::string inner = line.substr(open + 1, close - open - 1);
    entry->number = TextToInt(GetField(inner, 0, ','));
    entry->name = GetTextField(inner, 1, ',', kPetEntryNameBytes);
    entry->second = GetTextField(inner, 2, ',', kPetEntryNameBytes);
    entry->active = GetTextField(inner, 3, ',', kPetEntryActiveBytes);
    return true;
}

std::string UserText(const UserInfo& user) {
    std::string text = "[User Info]\r\n";
    text += "UserName;" + user.UserName + "\r\n";
    text += "UserSex;" + user.UserSex + "\r\n";
    text += "UserBirthDate;" + user.UserBirthDate + "\r\n";
    text += "UserLoginID;" + user.UserLoginID + "\r\n";
    text += "UserLoginPasswd;" + user.UserLoginPasswd + "\r\n";
    text += "Useremail;" + user.Useremail + "\r\n";
    text += "UserIsConnected;" + user.UserIsConnected + "\r\n";
    text += "UserOS;" + user.UserOS + "\r\n";
    text += StrFormat("UserPoint;%d\r\n", user.UserPoint);
    text += StrFormat("UserLevel;%d\r\n", user.UserLevel);
    text += StrFormat("UserGold;%d\r\n", user.UserGold);
    text += StrFormat("User1;%d\r\nUser2;%d\r\nUser3;%d\r\nUser4;%d\r\nUser5;%d\r\n", user.User1,
                      user.User2, user.User3, user.User4, user.User5);
    return text;
}

// As many entry lines as PsNum says, never more than the list holds; PsNum as held.
std::string PetsText(const PetsList& pets) {
    std::string text = StrFormat("[Pets Info]\r\nPsNum;%d\r\n", pets.PsNum);
    std::size_t count = std::min<std::size_t>(std::max(pets.PsNum, 0), pets.entries.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PetEntry& entry = pets.entries[i];
        text += StrFormat("Ps(%d,", entry.number) + entry.name + "," + entry.second + "," +
                entry.active + ")\r\n";
    }
    return text;
}

}  // namespace

CPetConfig::~CPetConfig() = default;

bool CPetConfig::LoadCommonConfigFile(IFileSystem& files, const std::string& path) {
    text_ = CleanConfigText(ReadScriptFile(files, path));
    return !text_.empty();
}

bool CPetConfig::SetUserInfoPart() {
    ClearUserInfo();
    if (text_.empty()) {
        WriteLog("SetUserInfoPart() - 파일버퍼의 내용이 없습니다.");
        return false;
    }
    std::string section = GetCategory(text_, "[USER INFO]");
    if (section.empty()) {
        WriteLog("SetUserInfoPart() - 카테고리 '[USER INFO]'의 내용이 없습니다.");
        return false;
    }
    for (const std::string& line : SplitLines(section)) {
        SetUserValue(GetField(line, 0, ';'), line);
    }
    return true;
}

void CPetConfig::SetUserValue(std::string_view key, std::string_view line) {
    for (const TextKey& text : kTextKeys) {
        if (IsSameKey(key, text.key)) {
            user_.*text.member = GetTextField(line, 1, ';', text.maxBytes);
            return;
        }
    }
    for (const NumberKey& number : kNumberKeys) {
        if (IsSameKey(key, number.key)) {
            user_.*number.member = GetIntField(line, 1, ';');
            return;
        }
    }
}

bool CPetConfig::SetPetsInfoPart() {
    ClearPetsList();
    if (text_.empty()) {
        WriteLog("SetPetInfoPart() - 파일버퍼의 내용이 없습니다.");
        return false;
    }
    std::string section = GetCategory(text_, "[PETS INFO]");
    if (section.empty()) {
        WriteLog("SetPetsInfoPart() - 카테고리 '[PETS INFO]'의 내용이 없습니다.");
        return false;
    }
    std::vector<std::string> lines = SplitLines(section);
    pets_.PsNum = TextToInt(GetField(lines[0], 1, ';'));
    // Lines that are not entries still use up one of the PsNum lines.
    for (int i = 1; i <= pets_.PsNum && i < int(lines.size()); ++i) {
        PetEntry entry;
        if (ReadPetEntry(lines[i], &entry)) pets_.entries.push_back(entry);
    }
    return true;
}

int CPetConfig::FindActivePet() const {
    for (std::size_t i = 0; i < pets_.entries.size(); ++i) {
        if (IsSameKey(pets_.entries[i].active, "TRUE")) return int(i);
    }
    return -1;
}

bool CPetConfig::SavePetConfig(IFileSystem& files) const {
    std::string text = UserText(user_) + "\r\n" + PetsText(pets_);
    return SaveConfigText(files, "SavePetConfig", ".\\DATA\\PET.CFG.TMP", kPetConfigPath, text,
                          false);
}

void CPetConfig::ClearUserInfo() {
    user_ = UserInfo();
}

void CPetConfig::ClearPetsList() {
    pets_ = PetsList();
}

void CPetConfig::ResetPetConfig() {
    ClearUserInfo();
    ClearPetsList();
    text_.clear();
}

}  // namespace nuv
