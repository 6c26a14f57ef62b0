#pragma once
// The pet: its script, configuration, state, shapes and messages, and the engine that plays it.

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "balloon/BalloonOwner.h"
#include "balloon/BalloonPictureFiles.h"
#include "base/Random.h"
#include "formats/Image.h"
#include "formats/PetConfig.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "pet/Ground.h"
#include "pet/MenuModel.h"
#include "pet/PetPorts.h"
#include "pet/SystemInfo.h"
#include "pet/TrayIcon.h"
#include "script/AniScript.h"
#include "shape/RegionData.h"

namespace nuv {

class CObjectWnd;

// Results of AdvanceFrame.
constexpr int kAnimationCompleted = -1001;
constexpr int kSequenceCompleted = -1002;

// Need flags of GetNeedFlags.
enum NeedFlags {
    kNeedS0 = 2,
    kNeedS1 = 4,
    kNeedS2 = 8,
    kNeedS3 = 16,
    kNeedsHigh = 32,
    kNeedsHighest = 64
};

// Movement direction bits.
enum MoveFlags { kMoveUp = 1, kMoveDown = 2, kMoveLeft = 4, kMoveRight = 8 };

// Window timers of the pet window.
enum PetTimer { kTimerTick = 2, kTimerDrag = 4, kTimerSample = 8 };

constexpr int kMenuIconSlots = 20;

class CPet : public CAniScript,
             public CPetConfig,
             public CTrayIcon,
             public CRegionData,
             public CSystemInfo,
             public CPetInfo,
             public CPetFile,
             public IBalloonOwner {
  public:
    explicit CPet(const PetPorts& ports);
    ~CPet() override;
    CPet(const CPet&) = delete;
    CPet& operator=(const CPet&) = delete;

    // Reads every file of the active pet, places the window and starts it. With `run` false
    // it stops once the window is placed and the menu icons are made (a check of the pet).
    bool InitPet(bool run = true);
    bool LoadPetConfig();
    bool SavePetFiles();
    void SetTopMost(bool on);
    void RenamePet();
    void ShowPetChangeNotice();
    // Lets the user choose another pet; true when one was chosen and saved as the active one.
    bool ChooseOtherPet();
    // Marks entry `index` of PET.CFG's pet list active and every other one inactive.
    void MakeActivePet(int index);
    void RegisterUser();
    void PlayPetSound(int index);
    int GetActionId() const;
    const std::string& PetName() const;

    // Balloons.
    // Opens a balloon of `kind` (0 link, 1 typing, 2 message) beside the pet; null when it
    // cannot be made. It becomes the open balloon and lives until it closes itself.
    CBalloonWnd* OpenBalloon(int kind, const std::string& text);
    CBalloonWnd* openBalloon() const { return openBalloon_; }
    void CloseBalloon();
    // IBalloonOwner
    void OnTextShown(CBalloonWnd& balloon) override;
    void OnBalloonClosed(CBalloonWnd& balloon) override;
    void OpenLink(const std::string& url) override;

    // The engine.
    void Tick();
    int StartAction(int id, bool resetClock, bool keepReturn);
    int AdvanceFrame();
    // Installs the current frame's shape; false when the frame has none.
    bool ShowFrameRegion();
    // The sheet cell of the current frame, painted at the window's (0, 0).
    Rect FrameSource() const;
    void DrawFrame();
    void PlaySequence(std::initializer_list<int> animations);
    void RestoreSequence();
    void MovePetBy(int dx, int dy);
    Rect GetPetRect() const;
    int PickNextAction();
    int GetNeedFlags() const;
    int ApplyActionEffects(const ActEntry& action);
    void ThrowPet(int flags, int speedX, int speedY);
    // The end of a drop or throw: timer 4 stops, the next action starts, timer 2 runs again.
    void Landed();
    void OnGameClick(int x, int y);
    // A cursor position from the hook library; moves the pet while it hangs on the cursor.
    void OnHookCursor(int x, int y);

    // The popup menu.
    MenuModel BuildPopupMenu();
    void ShowPopupMenu(Point screen);
    GaugePicture DrawGauge(int number, const std::string& label) const;
    GaugePicture DrawGauge(int number, const std::string& label, const Image& bar) const;
    Image MakeMenuIcon(int index, int width, int height) const;
    // Icon `index` of an icon image: its band of rows, pure green shown in the menu colour;
    // empty for sides outside 1..kMaxMenuIconSide.
    Image CutMenuIcon(const Image& iconImage, int index, int width, int height) const;
    const std::vector<Image>& MenuIcons() const { return menuIcons_; }
    int AgeInDays() const;

    // Engine state, read by the window and the tools.
    const ActEntry* curAction() const { return curAction_; }
    const AniEntry* curAnim() const { return curAnim_; }
    int framePos() const { return framePos_; }
    int subState() const { return subState_; }
    bool hookActive() const { return hookActive_; }
    // The picture sheet while the pet starts; empty once the window holds it.
    const Image& Sheet() const { return sheet_; }
    const PetPorts& Ports() const { return ports_; }
    // The file system the pet reads and writes its files on.
    IFileSystem& files() const { return files_; }

  private:
    // InitPet in three stages.
    bool ReadCommonConfig();
    bool ReadPetFiles();
    bool PreparePet();
    std::string TypedPetName(const std::string& caption, const std::string& question);

    // The menu icons of the script's menu records, when the icon image holds icons of its size.
    void MakeMenuIcons();
    // The submenus the program makes.
    std::vector<MenuItem> StatusItems(MenuModel& menu) const;
    std::vector<MenuItem> OptionItems() const;

    // Tick handlers.
    void DefaultHandler();
    void WalkHandler(bool left);
    void RunHandler(bool left);
    bool RunSequenceStep(bool left);
    void GlideHandler();
    bool GlideSequenceStep();
    void GlideMove();
    void HopHandler();
    void LeapHandler();
    void FallHandler();
    void ThrowHandler();
    void CatchHandler();
    bool CatchSequenceStep();
    void Catch();
    void Release(bool timeUp);
    void Fall();
    void BounceWalk();
    void StrokeHandler();
    void TagHandler();
    void FleeFromCursor();
    void TalkHandler();
    const std::string* PickNeedMessage();
    void OutingHandler();
    void EndOuting();
    // A message balloon with text `textId` filled with `numbers`; none when the text is missing.
    void TextBalloon(int textId, std::initializer_list<long long> numbers);
    void StartNextAction();
    bool TimeIsUp() const;

    // Helpers.
    std::vector<int>* CurrentList();
    int LastListId();
    const AniEntry* FindFirstAnimation();
    int CurrentFrameNumber() const;
    DesktopSize Desktop() const { return ports_.desktop->GetDesktopSize(); }
    int ClampLevel() const;
    // Replaces the system cursors for a cursor game; false for other actions.
    bool ReplaceCursorsForAction(int id);
    CBalloonWnd* MakeBalloon(int kind, const std::string& text);
    // A draw of the form (random number + tick count) for the program's weighted choices.
    uint32_t DrawSeed();

    PetPorts ports_;
    IClock& clock_;
    IFileSystem& files_;
    CRandom random_;
    CBalloonPictureFiles balloonPictures_;
    std::vector<std::unique_ptr<CBalloonWnd>> balloons_;
    CBalloonWnd* openBalloon_ = nullptr;
    bool closingBalloon_ = false;  // the pet itself closes the open balloon
    const ActEntry* curAction_ = nullptr;
    const AniEntry* curAnim_ = nullptr;
    int moveFlags_ = 0;
    int speed_ = 0;
    int returnAction_ = -1;
    int animPos_ = 0;
    int framePos_ = 0;
    uint32_t actionStart_ = 0;
    std::vector<Image> menuIcons_;
    Image sheet_;
    Size sheetSize_;
    bool hookActive_ = false;
    int throwSpeedX_ = 0;
    int throwSpeedY_ = 0;
    std::optional<std::vector<int>> savedSequence_;
    int subState_ = 0;
    uint32_t subCounter_ = 0;
    std::unique_ptr<CObjectWnd> objectWnd_;
    // The bounce walk after a catch: its direction, whether it bounces, and the bounce step.
    bool bounceRight_ = false;
    bool bouncing_ = false;
    int bounceIndex_ = 0;
    bool destroying_ = false;
};

}  // namespace nuv
