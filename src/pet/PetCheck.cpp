#include "pet/PetCheck.h"

#include <map>
#include <set>

#include "balloon/BalloonMarkup.h"
#include "balloon/WebAddress.h"
#include "base/Log.h"
#include "pet/Pet.h"
#include "ports/FileSystem.h"
#include "script/PetIds.h"

namespace nuv {
namespace {

struct Range {
    int lo, hi;
};

constexpr Range SingleNeedActions(int need) {
    const int lo = ActionId::kSingleNeedFirst + ActionId::kSingleNeedStep * need;
    return {lo, lo + ActionId::kSingleNeedSpan};
}
constexpr Range SingleNeedTexts(int need) {
    const int lo = TextId::kTalkNeedFirst + TextId::kTalkNeedStep * need;
    return {lo, lo + TextId::kTalkNeedSpan};
}

constexpr Range kActionRanges[] = {{ActionId::kOrdinaryFirst, ActionId::kOrdinaryLast},
                                   {ActionId::kNeedsHighFirst, ActionId::kNeedsHighLast},
                                   {ActionId::kNeedsHighestFirst, ActionId::kNeedsHighestLast},
                                   SingleNeedActions(0),
                                   SingleNeedActions(1),
                                   SingleNeedActions(2),
                                   SingleNeedActions(3)};
constexpr Range kMessageRanges[] = {{TextId::kTalkContentFirst, TextId::kTalkContentLast},
                                    SingleNeedTexts(0),
                                    SingleNeedTexts(1),
                                    SingleNeedTexts(2),
                                    SingleNeedTexts(3),
                                    {TextId::kTalkNeedsHighFirst, TextId::kTalkNeedsHighLast}};

// The animations each action with built-in behaviour needs.
const std::map<int, std::vector<int>>& NeededAnimations() {
    static const std::map<int, std::vector<int>> needed = {
        {ActionId::kWalkLeft, {AnimId::kTurnLeftToRight, AnimId::kWalkLeft}},
        {ActionId::kWalkRight, {AnimId::kTurnRightToLeft, AnimId::kWalkRight}},
        {ActionId::kRunLeft,
         {AnimId::kTurnLeftToRight, AnimId::kRunLeft, AnimId::kDashLeft, AnimId::kHopUpLeft,
          AnimId::kHopDownLeft, AnimId::kHopEndLeft, AnimId::kRunEndLeft}},
        {ActionId::kRunRight,
         {AnimId::kTurnRightToLeft, AnimId::kRunRight, AnimId::kDashRight, AnimId::kHopUpRight,
          AnimId::kHopDownRight, AnimId::kHopEndRight, AnimId::kRunEndRight}},
        {ActionId::kGlide,
         {AnimId::kGlideTakeOff, AnimId::kGlide, AnimId::kGlideStop, AnimId::kGlideStopEnd,
          AnimId::kGlideFallStart, AnimId::kGlideFall, AnimId::kFallLanding,
          AnimId::kFallLandingEnd, AnimId::kGlideLanding, AnimId::kGlideLandingEnd}},
        {ActionId::kCatchCursor,
         {AnimId::kRunLeft, AnimId::kRunRight, AnimId::kLookUp, AnimId::kLookUpEnd,
          AnimId::kJumpStart, AnimId::kJump, AnimId::kHang, AnimId::kJumpLanded}},
        {ActionId::kTalkNeeds, {AnimId::kTalkDone}},
        {ActionId::kTalkAdvertisement, {AnimId::kTalkDone}},
        {ActionId::kOuting,
         {AnimId::kOutingMeetObject, AnimId::kOutingObjectChanged, AnimId::kOutingWalkAway}},
        {ActionId::kCatchAndCarry,
         {AnimId::kRunLeft, AnimId::kRunRight, AnimId::kLookUp, AnimId::kLookUpEnd,
          AnimId::kJumpStart, AnimId::kJump, AnimId::kJumpLanded, AnimId::kCarryHang,
          AnimId::kCarryHangEnd, AnimId::kCarryFall, AnimId::kCarryLand, AnimId::kCarryLandEnd}},
        {ActionId::kCatchAndBounce,
         {AnimId::kRunLeft, AnimId::kRunRight, AnimId::kLookUp, AnimId::kLookUpEnd,
          AnimId::kJumpStart, AnimId::kJump, AnimId::kBounceWalk, AnimId::kJumpLanded,
          AnimId::kBounceEnd, AnimId::kCarryFall, AnimId::kBounceHang, AnimId::kBounceHangEnd,
          AnimId::kBounceFall}},
        {ActionId::kStroke, {AnimId::kStroked}},
        {ActionId::kTag,
         {AnimId::kFleeNearRight, AnimId::kFleeNearRightEnd, AnimId::kFleeNearLeft,
          AnimId::kFleeNearLeftEnd, AnimId::kFleeLeft, AnimId::kFleeFarLeft, AnimId::kFleeRight,
          AnimId::kFleeFarRight, AnimId::kTagCaught}},
        {ActionId::kFastTag,
         {AnimId::kFleeNearRight, AnimId::kFleeNearRightEnd, AnimId::kFleeNearLeft,
          AnimId::kFleeNearLeftEnd, AnimId::kFleeLeft, AnimId::kFleeFarLeft, AnimId::kFleeRight,
          AnimId::kFleeFarRight, AnimId::kFastTagCaught}},
    };
    return needed;
}

// The numbered texts the program shows, with what they are for. The menu has captions of its
// own for the about and registration items, so a pet may leave those out.
const std::map<int, const char*>& ProgramTexts() {
    static const std::map<int, const char*> texts = {
        {TextId::kWindowTitle, "window title"},
        {TextId::kSaveFailed, "save failure"},
        {TextId::kNameBoxCaption, "name box caption"},
        {TextId::kNameBoxQuestion, "name box question"},
        {TextId::kLastLevelReached, "last level"},
        {TextId::kLevelUp, "level up"},
        {TextId::kRenameCaption, "rename caption"},
        {TextId::kRenameQuestion, "rename question"},
        {TextId::kPetChangeCaption, "one pet only"},
        {TextId::kPetChangeNotice, "pet change"},
        {TextId::kMenuStatusName, "status: the name"},
        {TextId::kMenuGaugeFirst, "gauge 0"},
        {TextId::kMenuGaugeFirst + 1, "gauge 1"},
        {TextId::kMenuGaugeFirst + 2, "gauge 2"},
        {TextId::kMenuGaugeFirst + 3, "gauge 3"},
        {TextId::kMenuLevel, "status: level"},
        {TextId::kMenuAge, "status: days"},
        {TextId::kMenuOnTop, "option: on top"},
        {TextId::kMenuSound, "option: sound"},
        {TextId::kMenuRename, "option: rename"},
        {TextId::kMenuChangePet, "option: change pet"},
        {TextId::kCarrySuccess, "result of game 510"},
        {TextId::kBounceSuccess, "result of game 520"},
        {TextId::kStrokeSuccess, "result of game 530"},
        {TextId::kTagSuccess, "result of game 540"},
        {TextId::kFastTagSuccess, "result of game 550"},
        {TextId::kTrayTip, "tray tip"},
    };
    return texts;
}

// Menu commands that start a game, the game and the action after a won game.
struct Game {
    int command, action, reward;
};
constexpr Game kGames[] = {
    {CommandId::kCatchAndCarry, ActionId::kCatchAndCarry, ActionId::kCarryReward},
    {CommandId::kCatchAndBounce, ActionId::kCatchAndBounce, ActionId::kBounceReward},
    {CommandId::kCatchAndBounce2, ActionId::kCatchAndBounce, ActionId::kBounceReward},
    {CommandId::kCatchAndBounce3, ActionId::kCatchAndBounce, ActionId::kBounceReward},
    {CommandId::kStroke, ActionId::kStroke, ActionId::kStrokeReward},
    {CommandId::kTag, ActionId::kTag, ActionId::kTagReward},
    {CommandId::kFastTag, ActionId::kFastTag, ActionId::kStrokeReward}};

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
        if (!pet_.files().FileExists(path))
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
        NeedAction(ActionId::kDragged, "a dragged pet plays action 100");
        NeedAction(ActionId::kDropped, "a dropped pet plays action 100");
        NeedAction(ActionId::kThrown, "a thrown pet plays action 100");
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
            if (!pet_.files().FileExists(picture.path)) {
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
