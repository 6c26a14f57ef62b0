#include "pet/PetCheck.h"

#include <map>
#include <set>

#include "balloon/BalloonMarkup.h"
#include "balloon/WebAddress.h"
#include "base/Log.h"
#include "pet/Pet.h"
#include "ports/FileSystem.h"

namespace nuv {
namespace {

struct Range {
    int lo, hi;
};

constexpr Range kActionRanges[] = {{0, 199},   {200, 299}, {300, 399}, {410, 419},
                                   {420, 429}, {430, 439}, {440, 449}};
constexpr Range kMessageRanges[] = {{201, 250}, {251, 260}, {261, 270},
                                    {271, 280}, {281, 290}, {291, 300}};

// The animations each action with built-in behaviour needs.
const std::map<int, std::vector<int>>& NeededAnimations() {
    static const std::map<int, std::vector<int>> needed = {
        {140, {13, 15}},
        {141, {14, 16}},
        {142, {13, 17, 19, 21, 23, 25, 118}},
        {143, {14, 18, 20, 22, 24, 26, 60}},
        {144, {36, 38, 39, 40, 41, 42, 43, 44, 46, 47}},
        {145, {17, 18, 70, 71, 72, 73, 74, 121}},
        {146, {34}},
        {149, {34}},
        {301, {84, 85, 86}},
        {510, {17, 18, 70, 71, 72, 73, 121, 123, 124, 125, 126, 127}},
        {520, {17, 18, 70, 71, 72, 73, 120, 121, 122, 125, 137, 138, 139}},
        {530, {52}},
        {540, {87, 88, 92, 93, 107, 108, 109, 110, 130}},
        {550, {87, 88, 92, 93, 107, 108, 109, 110, 128}},
    };
    return needed;
}

// The numbered texts the program shows, with what they are for. The menu has captions of its
// own for 312 and 313, so a pet may leave those out.
const std::map<int, const char*>& ProgramTexts() {
    static const std::map<int, const char*> texts = {
        {101, "window title"},
        {201, "save failure"},
        {204, "name box caption"},
        {205, "name box question"},
        {206, "last level"},
        {207, "level up"},
        {208, "rename caption"},
        {209, "rename question"},
        {210, "one pet only"},
        {211, "pet change"},
        {301, "status: the name"},
        {302, "gauge 0"},
        {303, "gauge 1"},
        {304, "gauge 2"},
        {305, "gauge 3"},
        {306, "status: level"},
        {307, "status: days"},
        {308, "option: on top"},
        {309, "option: sound"},
        {310, "option: rename"},
        {311, "option: change pet"},
        {401, "result of game 510"},
        {402, "result of game 520"},
        {403, "result of game 530"},
        {404, "result of game 540"},
        {405, "result of game 550"},
        {801, "tray tip"},
    };
    return texts;
}

// Menu commands that start a game, the game and the action after a won game.
struct Game {
    int command, action, reward;
};
constexpr Game kGames[] = {{210, 510, 610}, {220, 520, 620}, {221, 520, 620}, {222, 520, 620},
                           {230, 530, 630}, {240, 540, 640}, {250, 550, 630}};

class Checker {
  public:
    explicit Checker(const CPet& pet) : pet_(pet) {}

    std::vector<std::string> Run() {
        CheckAnimations();
        CheckFiles();
        CheckRecords();
        CheckRanges();
        CheckMessages();
        CheckBuiltIns();
        CheckActions();
        CheckTexts();
        CheckState();
        return std::move(warnings_);
    }

  private:
    void Warn(std::string text) { warnings_.push_back(std::move(text)); }

    void CheckAnimations() {
        for (const ActEntry& action : pet_.Actions()) {
            for (int id : action.animations) {
                if (!pet_.FindAnimation(id)) {
                    Warn(StrFormat("action %d names missing animation %d", action.id, id));
                }
            }
        }
        for (const AniEntry& animation : pet_.Animations()) {
            for (int frame : animation.frames) {
                if (frame < 0 || frame >= pet_.count()) {
                    Warn(StrFormat("animation %d shows frame %d, which has no region", animation.id,
                                   frame));
                }
            }
        }
    }

    void NeedFile(const std::string& path, const char* what) {
        if (!Files().FileExists(path))
            Warn(StrFormat("%s file %s does not exist", what, path.c_str()));
    }

    void CheckFiles() {
        for (const SndEntry& sound : pet_.Sounds()) {
            NeedFile(JoinPath(".\\PETSOUND\\", sound.file, ""), "sound");
        }
        for (const CurEntry& cursor : pet_.Cursors().records) {
            NeedFile(JoinPath(".\\PETS\\", cursor.file, ""), "cursor");
        }
        NeedFile(JoinPath(".\\PETS\\", pet_.Icons().iconImage, ""), "icon");
        NeedFile(JoinPath(".\\PETS\\", pet_.Objects().objectImage, ""), "object");
        for (const char* name : {"PETLOAD.BCF", "PETBAR00.BCF", "PETEND.BCF"}) {
            NeedFile(JoinPath(".\\PETS\\", name, ""), "picture");
        }
    }

    void CheckRecords() {
        if (pet_.Cursors().records.size() < 5) Warn("fewer than five cursor records");
        const std::vector<ObjEntry>& objects = pet_.Objects().records;
        if (objects.size() < 5) Warn("fewer than five object records");
        if (objects.size() >= 5 &&
            (objects[3].width != objects[4].width || objects[3].height != objects[4].height)) {
            Warn("object records 3 and 4 differ in size");
        }
        for (const MnuEntry& item : pet_.MenuItems()) {
            if (item.iconIndex != -1 && (item.iconIndex < 0 || item.iconIndex >= kMenuIconSlots)) {
                Warn(StrFormat("menu item %d has icon index %d outside 0..19", item.number,
                               item.iconIndex));
            }
        }
    }

    void CheckRanges() {
        const ScriptConfig& config = pet_.Config();
        int columns = std::min(config.levelCount, kActionWeights);
        for (const Range& range : kActionRanges) {
            std::vector<long long> sums(std::max(columns, 0), 0);
            bool any = false;
            for (const ActEntry& action : pet_.Actions()) {
                if (action.id < range.lo || action.id > range.hi) continue;
                any = true;
                for (int c = 0; c < columns; ++c)
                    sums[c] += action.weights[c];
            }
            if (!any) {
                Warn(StrFormat("no action in the range %d..%d", range.lo, range.hi));
                continue;
            }
            for (int c = 0; c < columns; ++c) {
                if (sums[c] < config.statMax) {
                    Warn(StrFormat("actions %d..%d at level %d weigh %lld, less than statMax %d",
                                   range.lo, range.hi, c, sums[c], config.statMax));
                }
            }
        }
    }

    void CheckMessages() {
        for (const Range& range : kMessageRanges) {
            long long sum = 0;
            for (const MsgEntry& message : pet_.Messages()) {
                if (message.id >= range.lo && message.id <= range.hi) sum += message.weight;
            }
            if (sum < 10000) {
                Warn(StrFormat("messages %d..%d weigh %lld, less than 10000", range.lo, range.hi,
                               sum));
            }
        }
    }

    void CheckBuiltIns() {
        for (const auto& [action, animations] : NeededAnimations()) {
            if (!pet_.FindAction(action)) continue;
            for (int id : animations) {
                if (!pet_.FindAnimation(id)) {
                    Warn(StrFormat("action %d needs animation %d", action, id));
                }
            }
        }
    }

    void NeedAction(int id, const std::string& why) {
        if (!pet_.FindAction(id)) Warn(StrFormat("action %d is missing: %s", id, why.c_str()));
    }

    void CheckActions() {
        NeedAction(701, "a dragged pet plays action 100");
        NeedAction(702, "a dropped pet plays action 100");
        NeedAction(705, "a thrown pet plays action 100");
        std::set<int> games;
        for (const MnuEntry& item : pet_.MenuItems()) {
            for (const Game& game : kGames) {
                if (item.command == game.command) games.insert(game.action);
            }
        }
        for (const Game& game : kGames) {
            if (!games.count(game.action)) continue;
            games.erase(game.action);
            NeedAction(game.action, StrFormat("menu command %d plays action 100", game.command));
            NeedAction(game.reward,
                       StrFormat("a won game %d goes on with action 100", game.action));
        }
    }

    // Picture tags naming files that do not exist, or lying outside the pets' folder, and links
    // the balloon will not open.
    void CheckMarkup(const std::string& text, const char* kind, int number) {
        std::string rest = text;
        std::vector<BalloonPictureTag> pictures = ExtractPictureTags(&rest);
        int tags = 0;
        for (std::size_t pos = 0; pos < text.size(); ++pos)
            tags += TagAt(text, pos, "<IMG");
        if (tags > int(pictures.size())) {
            Warn(StrFormat("%s %d shows a picture outside .\\PETS\\", kind, number));
        }
        for (const BalloonPictureTag& picture : pictures) {
            if (!Files().FileExists(picture.path)) {
                Warn(StrFormat("%s %d shows %s, which does not exist", kind, number,
                               picture.path.c_str()));
            }
        }
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            std::size_t end = 0;
            std::string address;
            if (ReadLinkTag(text, pos, &end, &address) && WebAddressOf(address).empty()) {
                Warn(StrFormat("%s %d links to '%s', which no balloon opens", kind, number,
                               address.c_str()));
            }
        }
    }

    void CheckTexts() {
        for (const auto& [id, use] : ProgramTexts()) {
            if (!pet_.FindText(id)) Warn(StrFormat("text %d (%s) is missing", id, use));
        }
        for (const TxtEntry& text : pet_.Texts())
            CheckMarkup(text.text, "text", text.id);
        for (const MsgEntry& message : pet_.Messages()) {
            CheckMarkup(message.text, "message", message.id);
        }
        for (const AdMessage& advert : pet_.AdMessages()) {
            CheckMarkup(advert.text, "advertisement", advert.number);
        }
    }

    void CheckState() {
        const std::string& type = pet_.GetPetInfos().PetType;
        if (type != pet_.PetName()) {
            Warn(
                StrFormat("PetType '%s' differs from the pet's name '%s' (the state is saved "
                          "to %s all the same)",
                          type.c_str(), pet_.PetName().c_str(), pet_.StateFilePath().c_str()));
        }
    }

    const CPet& pet_;
    std::vector<std::string> warnings_;
};

}  // namespace

std::vector<std::string> CheckPet(const CPet& pet) {
    return Checker(pet).Run();
}

}  // namespace nuv
