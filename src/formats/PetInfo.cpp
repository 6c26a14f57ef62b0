#include "formats/PetInfo.h"

#include "base/Log.h"
#include "base/TextFunctions.h"
#include "formats/ComplementedFile.h"
#include "formats/ConfigSave.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"

namespace nuv {

namespace {

int PetInfos::*const kCounterMembers[PetInfos::kCounters] = {
    &PetInfos::PetS0, &PetInfos::PetS1, &PetInfos::PetS2, &PetInfos::PetS3, &PetInfos::PetS4,
    &PetInfos::PetS5, &PetInfos::PetS6, &PetInfos::PetS7, &PetInfos::PetS8, &PetInfos::PetS9,
};

struct NumberKey {
    const char* key;
    int PetInfos::*member;
};

const NumberKey kNumberKeys[] = {
    {"PetNo", &PetInfos::PetNo},           {"PetLevel", &PetInfos::PetLevel},
    {"PetScore", &PetInfos::PetScore},     {"PetGold", &PetInfos::PetGold},
    {"PetPoint", &PetInfos::PetPoint},     {"PetS0", &PetInfos::PetS0},
    {"PetS1", &PetInfos::PetS1},           {"PetS2", &PetInfos::PetS2},
    {"PetS3", &PetInfos::PetS3},           {"PetOnTop", &PetInfos::PetOnTop},
    {"PetOnSound", &PetInfos::PetOnSound}, {"PetS4", &PetInfos::PetS4},
    {"PetS5", &PetInfos::PetS5},           {"PetS6", &PetInfos::PetS6},
    {"PetS7", &PetInfos::PetS7},           {"PetS8", &PetInfos::PetS8},
    {"PetS9", &PetInfos::PetS9},
};

struct TextKey {
    const char* key;
    std::string PetInfos::*member;
    std::size_t maxBytes;
};

const TextKey kTextKeys[] = {
    {"PetType", &PetInfos::PetType, kPetTypeBytes},
    {"PetDesc", &PetInfos::PetDesc, kPetDescBytes},
    {"PetName", &PetInfos::PetName, kPetNameBytes},
    {"PetStartDate", &PetInfos::PetStartDate, kPetDateBytes},
    {"PetLastDate", &PetInfos::PetLastDate, kPetDateBytes},
};

// Written as a signed number, so large values come back negative: keep their low 32 bits.
uint32_t PeedTimeValue(std::string_view field) {
    long long value = TextToInt64(field);
    if (value > 4294967295LL) return 4294967295u;
    return uint32_t(value);
}

// The name part of a path: from its last '\' to its last '.' (".\DATA\CAT.CFG" -> "CAT").
std::string_view FileBaseName(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.substr(0, name.rfind('.'));
}

std::string FormatStateText(const PetInfos& infos, const LocalTime& now, uint32_t peedTime) {
    std::string text = "[Pet Infos]\r\n";
    text += StrFormat("PetNo;%d\r\n", infos.PetNo);
    text += "PetType;" + infos.PetType + "\r\n";
    text += "PetDesc;" + infos.PetDesc + "\r\n";
    text += "PetName;" + infos.PetName + "\r\n";
    text += StrFormat("PetOnTop;%d\r\n", infos.PetOnTop);
    text += StrFormat("PetOnSound;%d\r\n", infos.PetOnSound);
    text += "PetStartDate;" + infos.PetStartDate + "\r\n";
    text += StrFormat("PetLastDate;%04d%02d%02d%02d%02d\r\n", now.year, now.month, now.day,
                      now.hour, now.minute);
    text += StrFormat("PetPeedTime;%d\r\n", int32_t(peedTime));
    text += StrFormat("PetLevel;%d\r\n", infos.PetLevel);
    text += StrFormat("PetScore;%d\r\n", infos.PetScore);
    text += StrFormat("PetGold;%d\r\n", infos.PetGold);
    text += StrFormat("PetPoint;%d\r\n", infos.PetPoint);
    for (int i = 0; i < PetInfos::kCounters; ++i) {
        text += StrFormat("PetS%d;%d\r\n", i, *infos.Counter(i));
    }
    return text;
}

}  // namespace

int* PetInfos::Counter(int index) {
    return index >= 0 && index < kCounters ? &(this->*kCounterMembers[index]) : nullptr;
}

const int* PetInfos::Counter(int index) const {
    return index >= 0 && index < kCounters ? &(this->*kCounterMembers[index]) : nullptr;
}

CPetInfo::~CPetInfo() = default;

bool CPetInfo::LoadPetStateFile(IFileSystem& files, const std::string& path) {
    path_ = path;
    text_ = CleanConfigText(ReadScriptFile(files, path));
    return !text_.empty();
}

std::string CPetInfo::StateFilePath() const {
    return path_.empty() ? JoinPath(".\\DATA\\", infos_.PetType, ".CFG") : path_;
}

bool CPetInfo::SetPetInfosPart() {
    ClearPetInfos();
    if (text_.empty()) {
        WriteLog("SetPetInfosPart() - 파일버퍼의 내용이 없습니다.");
        return false;
    }
    for (const std::string& line : SplitLines(GetCategory(text_, "[PET INFOS]"))) {
        SetValue(GetField(line, 0, ';'), line);
    }
    if (!path_.empty() && !IsSameKey(infos_.PetType, FileBaseName(path_))) {
        WriteLogF(
            "SetPetInfosPart() - PET 종류 '%s'은(는) 이 파일의 이름과 다릅니다. 상태는 %s "
            "파일에 저장합니다.",
            infos_.PetType.c_str(), path_.c_str());
    }
    return true;
}

void CPetInfo::SetValue(std::string_view key, std::string_view line) {
    for (const NumberKey& number : kNumberKeys) {
        if (IsSameKey(key, number.key)) {
            infos_.*number.member = GetIntField(line, 1, ';');
            return;
        }
    }
    for (const TextKey& text : kTextKeys) {
        if (IsSameKey(key, text.key)) {
            infos_.*text.member = GetTextField(line, 1, ';', text.maxBytes);
            return;
        }
    }
    if (IsSameKey(key, "PetPeedTime")) infos_.PetPeedTime = PeedTimeValue(GetField(line, 1, ';'));
}

bool CPetInfo::SaveConfigData(IFileSystem& files, IClock& clock, uint32_t referenceTick) {
    // A record never read names its file by its type, which must not lead out of the folder.
    if (path_.empty() && !IsPlainFileName(infos_.PetType)) {
        WriteLogF("SaveConfigData() - '%s'은(는) 파일 이름으로 쓸 수 없는 PET 종류입니다.",
                  infos_.PetType.c_str());
        return false;
    }
    uint32_t peedTime = infos_.PetPeedTime + (clock.TickCount() - referenceTick);
    std::string text = FormatStateText(infos_, clock.Now(), peedTime);
    std::string path = StateFilePath();
    return SaveConfigText(files, "SaveConfigData", ReplaceExtension(path, ".TMP"), path, text,
                          true);
}

void CPetInfo::ClearPetInfos() {
    infos_ = PetInfos();
}

void CPetInfo::ResetPetInfos() {
    ClearPetInfos();
    text_.clear();
    path_.clear();
}

}  // namespace nuv
