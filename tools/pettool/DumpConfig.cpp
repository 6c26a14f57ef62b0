// The dumps of the configuration files and the advertisement messages.

#include "base/Log.h"
#include "formats/PetConfig.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "pettool/DumpKinds.h"

namespace nuv::tool {

namespace {

Json UserJson(const UserInfo& u) {
    return {{"UserName", Utf8(u.UserName)},
            {"UserSex", Utf8(u.UserSex)},
            {"UserBirthDate", Utf8(u.UserBirthDate)},
            {"UserLoginID", Utf8(u.UserLoginID)},
            {"UserLoginPasswd", Utf8(u.UserLoginPasswd)},
            {"Useremail", Utf8(u.Useremail)},
            {"UserIsConnected", Utf8(u.UserIsConnected)},
            {"UserOS", Utf8(u.UserOS)},
            {"UserPoint", u.UserPoint},
            {"UserLevel", u.UserLevel},
            {"UserGold", u.UserGold},
            {"User1", u.User1},
            {"User2", u.User2},
            {"User3", u.User3},
            {"User4", u.User4},
            {"User5", u.User5}};
}

Json PetsJson(const PetsList& pets) {
    Json list = Json::array();
    for (const PetEntry& p : pets.entries) {
        list.push_back({{"number", p.number},
                        {"name", Utf8(p.name)},
                        {"second", Utf8(p.second)},
                        {"active", Utf8(p.active)}});
    }
    return list;
}

void AddPetInfos(Json& out, const PetInfos& p) {
    out["PetNo"] = p.PetNo;
    out["PetType"] = Utf8(p.PetType);
    out["PetDesc"] = Utf8(p.PetDesc);
    out["PetName"] = Utf8(p.PetName);
    out["PetStartDate"] = Utf8(p.PetStartDate);
    out["PetLastDate"] = Utf8(p.PetLastDate);
    out["PetPeedTime"] = p.PetPeedTime;
    out["PetLevel"] = p.PetLevel;
    out["PetScore"] = p.PetScore;
    out["PetGold"] = p.PetGold;
    out["PetPoint"] = p.PetPoint;
    for (int i = 0; i < PetInfos::kCounters; ++i) {
        out["PetS" + std::to_string(i)] = *p.Counter(i);
    }
    out["PetOnTop"] = p.PetOnTop;
    out["PetOnSound"] = p.PetOnSound;
}

}  // namespace

// As the start-up reads it: the file, the user section, the pets section, then the active pet.
int DumpCommonConfigFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    CPetConfig config;
    Json out = Json::object();
    bool ok = config.LoadCommonConfigFile(files, path);
    if (ok) {
        ok = config.SetUserInfoPart();
        out["user"] = UserJson(config.GetUserInfo());
    }
    if (ok) {
        ok = config.SetPetsInfoPart();
        out["PsNum"] = config.GetPetsList().PsNum;
        out["pets"] = PetsJson(config.GetPetsList());
    }
    if (ok) out["activeIndex"] = config.FindActivePet();
    return FinishDump(out, log, ok);
}

int DumpPetStateFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    CPetInfo state;
    Json out = Json::object();
    bool ok = state.LoadPetStateFile(files, path) && state.SetPetInfosPart();
    if (ok) AddPetInfos(out, state.GetPetInfos());
    return FinishDump(out, log, ok);
}

int DumpAdMessageFile(IFileSystem& files, const std::string& path) {
    LogCapture log;
    CPetFile file;
    Json out = Json::object();
    bool ok = file.LoadAdMessages(files, path);
    out["totalWeight"] = file.TotalWeight();
    Json list = Json::array();
    for (const AdMessage& m : file.AdMessages()) {
        list.push_back({{"number", m.number}, {"weight", m.weight}, {"text", Utf8(m.text)}});
    }
    out["messages"] = list;
    return FinishDump(out, log, ok);
}

}  // namespace nuv::tool
