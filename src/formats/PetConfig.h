#pragma once
// The common configuration file .\DATA\PET.CFG: the user's details and the installed pets.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nuv {

class IFileSystem;

struct UserInfo {
    std::string UserName;
    std::string UserSex;
    std::string UserBirthDate;
    std::string UserLoginID;
    std::string UserLoginPasswd;
    std::string Useremail;
    std::string UserIsConnected;  // "True" or "False", set at each start; never read back
    std::string UserOS;           // set at each start; never read back
    int UserPoint = 0;
    int UserLevel = 0;
    int UserGold = 0;
    int User1 = 0;
    int User2 = 0;
    int User3 = 0;
    int User4 = 0;
    int User5 = 0;
};

constexpr std::size_t kUserNameBytes = 19;
constexpr std::size_t kUserSexBytes = 5;
constexpr std::size_t kUserBirthDateBytes = 9;
constexpr std::size_t kUserLoginBytes = 19;
constexpr std::size_t kUserEmailBytes = 29;
constexpr std::size_t kUserConnectedBytes = 5;
constexpr std::size_t kUserOSBytes = 31;

// One "Ps(number,name,second,active)" line.
struct PetEntry {
    int number = 0;
    std::string name;    // base name of the pet's files
    std::string second;  // kept and written back unchanged
    std::string active;  // "True" for the active pet
};

constexpr std::size_t kPetEntryNameBytes = 9;
constexpr std::size_t kPetEntryActiveBytes = 5;

struct PetsList {
    int PsNum = 0;  // the number of entries the file announces
    std::vector<PetEntry> entries;
};

extern const char kPetConfigPath[];  // ".\\DATA\\PET.CFG"

class CPetConfig {
  public:
    CPetConfig() = default;
    virtual ~CPetConfig();

    // Reads and cleans the complemented file and keeps its text; true when not empty.
    bool LoadCommonConfigFile(IFileSystem& files, const std::string& path);
    // Fill the user record, and PsNum with the list, from the kept text.
    bool SetUserInfoPart();
    bool SetPetsInfoPart();
    // Index of the first entry marked active ("TRUE" in any letter case), or -1.
    int FindActivePet() const;
    // Writes the whole file to .\DATA\PET.CFG, replacing the old file in one step.
    bool SavePetConfig(IFileSystem& files) const;

    UserInfo& GetUserInfo() { return user_; }
    const UserInfo& GetUserInfo() const { return user_; }
    PetsList& GetPetsList() { return pets_; }
    const PetsList& GetPetsList() const { return pets_; }
    const std::string& ConfigText() const { return text_; }

    void ClearUserInfo();
    void ClearPetsList();
    void ResetPetConfig();

  private:
    void SetUserValue(std::string_view key, std::string_view line);

    UserInfo user_;
    PetsList pets_;
    std::string text_;
};

}  // namespace nuv
