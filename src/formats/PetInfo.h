#pragma once
// The pet state file .\DATA\<PetType>.CFG: one pet's numbers, names, dates and counters.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nuv {

class IClock;
class IFileSystem;

struct PetInfos {
    int PetNo = 0;
    std::string PetType;  // also the base of the state file's name
    std::string PetDesc;
    std::string PetName;       // empty until the user names the pet
    std::string PetStartDate;  // yyyymmdd
    std::string PetLastDate;   // yyyymmddhhmm of the last save
    uint32_t PetPeedTime = 0;  // accumulated milliseconds
    int PetLevel = 0;
    int PetScore = 0;
    int PetGold = 0;
    int PetPoint = 0;
    int PetS0 = 0;  // PetS0..PetS3: the need counters the actions change
    int PetS1 = 0;
    int PetS2 = 0;
    int PetS3 = 0;
    int PetS4 = 0;
    int PetS5 = 0;
    int PetS6 = 0;
    int PetS7 = 0;
    int PetS8 = 0;
    int PetS9 = 0;
    int PetOnTop = 0;    // non-zero: the window stays above the others
    int PetOnSound = 0;  // non-zero: the pet plays sounds

    static constexpr int kCounters = 10;
    // PetS0..PetS9 by number; null for a number outside 0..9.
    int* Counter(int index);
    const int* Counter(int index) const;
};

constexpr std::size_t kPetTypeBytes = 9;
constexpr std::size_t kPetDescBytes = 49;
constexpr std::size_t kPetNameBytes = 19;
constexpr std::size_t kPetDateBytes = 14;

class CPetInfo {
  public:
    CPetInfo() = default;
    virtual ~CPetInfo();

    // Reads and cleans the complemented state file and keeps its text; true when not empty.
    // Saves go back to this file from then on.
    bool LoadPetStateFile(IFileSystem& files, const std::string& path);
    // Clears the record and fills it from the kept text; false only when that text is empty.
    // A PetType naming another file is kept as a value and logged.
    bool SetPetInfosPart();
    // Writes the record to the file it was read from (a record never read: to
    // .\DATA\<PetType>.CFG), replacing the old file in one step. PetLastDate is the time of
    // the save; PetPeedTime grows by the milliseconds since `referenceTick` (the record itself
    // is not changed).
    bool SaveConfigData(IFileSystem& files, IClock& clock, uint32_t referenceTick);
    // The file SaveConfigData writes.
    std::string StateFilePath() const;

    PetInfos& GetPetInfos() { return infos_; }
    const PetInfos& GetPetInfos() const { return infos_; }
    const std::string& StateText() const { return text_; }
    void ClearPetInfos();
    void ResetPetInfos();

  private:
    void SetValue(std::string_view key, std::string_view line);

    PetInfos infos_;
    std::string text_;
    std::string path_;  // the file the record was read from
};

}  // namespace nuv
