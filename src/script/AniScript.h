#pragma once
// The pet script: its cleaned text and the tables its eleven sections fill.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Image.h"

namespace nuv {

class IFileSystem;

// Widths of the script's text fields: a field of width w keeps at most w - 1 bytes.
constexpr std::size_t kAniNameBytes = 19;
constexpr std::size_t kActNameBytes = 9;
constexpr std::size_t kHeaderShortBytes = 9;
constexpr std::size_t kShortTextBytes = 49;  // comments, captions, file names, labels
constexpr std::size_t kMessageTextBytes = 254;
constexpr int kActionWeights = 10;
constexpr int kMaxLevels = 1000;
constexpr int kMaxCursorRecords = 1000;

// One line of [ANILIST].
struct AniEntry {
    int id = 0;
    std::string name;
    int soundIndex = 0;  // position in the sound table; -1: no sound
    int soundFrame = 0;  // position in `frames` at which the sound starts
    std::vector<int> frames;
    std::string comment;
};

// One line of [ACTLIST].
struct ActEntry {
    int id = 0;
    std::string name;
    std::array<int, kActionWeights> weights{};  // chance weight at each level
    int deltaS0 = 0;
    int deltaS1 = 0;
    int deltaS2 = 0;
    int deltaS3 = 0;
    int deltaPoint = 0;
    int duration = 0;  // seconds
    std::vector<int> animations;
};

// One line of [MNULIST].
struct MnuEntry {
    int number = 0;
    int command = 0;
    std::string caption;
    int iconIndex = 0;
    int statSumLow = 0;
    int statSumHigh = 0;
    int pointLow = 0;
    int pointHigh = 0;
    std::string extra;
};

struct IcoEntry {
    int id = 0;
    int value = 0;
    std::string name;
};

struct CurEntry {
    int id = 0;
    int value = 0;
    std::string file;
};

struct ObjEntry {
    int id = 0;
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int value = 0;
    std::string name;
};

struct SndEntry {
    int id = 0;
    std::string name;
    std::string file;
    std::string remark;
};

// One line of [RES_TEXT]; `weight` is always 0.
struct TxtEntry {
    int id = 0;
    int weight = 0;
    std::string text;
};

// One line of [RES_MESSAGE].
struct MsgEntry {
    int id = 0;
    int weight = 0;  // chance in ten-thousandths
    std::string text;
};

struct ScriptHeader {
    int headerNumber = 0;
    std::string headerShort;
    std::string headerLong;
};

struct ScriptConfig {
    int frameWidth = 0;
    int frameHeight = 0;
    int levelCount = 0;
    std::vector<int> levelThresholds;  // PetPoint at which each level is left
    int aniCount = 0;
    int actCount = 0;
    std::vector<std::string> nameListA;
    std::vector<std::string> nameListB;
    int statMax = 0;  // upper bound of the need counters
};

struct ObjectSet {
    std::string objectImage;
    std::vector<ObjEntry> records;
};

struct IconSet {
    std::string iconImage;
    int iconWidth = 0;
    int iconHeight = 0;
    std::vector<IcoEntry> records;
};

struct CursorSet {
    int cursorCount = 0;
    std::vector<CurEntry> records;
};

class CAniScript {
  public:
    CAniScript() = default;
    virtual ~CAniScript();

    // Reads the complemented script file and cleans it into the script buffer; true when the
    // buffer is not empty.
    bool LoadScriptFile(IFileSystem& files, const std::string& path);
    // The same from a text that is not complemented (pets built in memory).
    bool LoadScriptText(std::string_view text);

    // The section readers. Each empties what it fills first; false (with a log line) when the
    // script buffer or its section is empty, or when the section does not fit [CONFIG].
    bool SetHeaderPart();
    bool SetConfigPart();
    bool SetAniListPart();
    bool SetActListPart();
    bool SetMnuListPart();
    bool SetIcoListPart();
    bool SetCurListPart();
    bool SetObjListPart();
    bool SetSndListPart();
    bool SetTxtlistPart();
    bool SetMsglistPart();
    // The eleven readers in start-up order, stopping at the first that fails.
    bool ReadAllSections();

    // The first record with the number, or null.
    const AniEntry* FindAnimation(int id) const;
    const ActEntry* FindAction(int id) const;
    const std::string* FindText(int id) const;
    // The text `id`, or an empty one when the script has none.
    const std::string& TextOf(int id) const;
    // A weighted random message with lo <= id <= hi, or null when the draw falls past the
    // weights of the range.
    const std::string* PickMessage(int lo, int hi, uint32_t draw) const;
    // The animations of the first action with the number, for the player to replace for a
    // while; null when there is no such action.
    std::vector<int>* ActionAnimations(int id);

    Size GetFrameSize() const { return {config_.frameWidth, config_.frameHeight}; }
    void ResetScript();

    const std::string& ScriptBuffer() const { return scriptBuffer_; }
    const ScriptHeader& Header() const { return header_; }
    const ScriptConfig& Config() const { return config_; }
    const std::vector<AniEntry>& Animations() const { return animations_; }
    const std::vector<ActEntry>& Actions() const { return actions_; }
    const std::vector<MnuEntry>& MenuItems() const { return menuItems_; }
    const IconSet& Icons() const { return icons_; }
    const CursorSet& Cursors() const { return cursors_; }
    const ObjectSet& Objects() const { return objects_; }
    const std::vector<SndEntry>& Sounds() const { return sounds_; }
    const std::vector<TxtEntry>& Texts() const { return texts_; }
    const std::vector<MsgEntry>& Messages() const { return messages_; }

  private:
    // The steps every reader shares: false (logged) when the script buffer is empty, or when a
    // `required` section is missing or empty; otherwise *content is the section's content.
    bool SectionContent(const char* reader, const char* section, bool required,
                        std::string* content) const;
    // Refuses (logged) the configuration values the pet cannot run with.
    bool ConfigIsUsable() const;

    std::vector<AniEntry> animations_;
    std::vector<ActEntry> actions_;
    std::vector<MnuEntry> menuItems_;
    std::vector<SndEntry> sounds_;
    std::vector<TxtEntry> texts_;
    std::vector<MsgEntry> messages_;
    ScriptHeader header_;
    ScriptConfig config_;
    ObjectSet objects_;
    IconSet icons_;
    CursorSet cursors_;
    std::string scriptBuffer_;
};

}  // namespace nuv
