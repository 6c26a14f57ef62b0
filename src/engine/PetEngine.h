#pragma once
// The pet's engine: plays its actions, movements, games, talk and outing, and picks the next.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "base/Random.h"
#include "engine/PetServices.h"
#include "ports/Desktop.h"
#include "script/AniScript.h"

namespace nuv {

class CObjectWnd;
class CPetInfo;
class CRegionData;
class Region;
class IClock;
struct PetPorts;

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

class CPetEngine {
  public:
    // Plays the pet's `script`, `shapes` and `state` through `ports`, asking `pet` for what
    // only the pet does; all of them outlive the engine.
    CPetEngine(CAniScript& script, const CRegionData& shapes, CPetInfo& state, IPetServices& pet,
               const PetPorts& ports);
    ~CPetEngine();
    CPetEngine(const CPetEngine&) = delete;
    CPetEngine& operator=(const CPetEngine&) = delete;

    // Readies the engine for a start: no action, no animation, the generator seeded.
    void Reset(uint32_t seed);

    void Tick();
    int StartAction(int id, bool resetClock, bool keepReturn);
    int AdvanceFrame();
    // Installs the current frame's shape; false when the frame has none.
    bool ShowFrameRegion();
    // The shape last installed, as the pet's shape table holds it now; null when none.
    const Region* ShownShape() const;
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
    // The open balloon's whole text is on screen.
    void OnTextShown();
    // The open balloon closed by itself (not by the pet).
    void OnBalloonClosed();

    int GetActionId() const;
    const ActEntry* curAction() const { return curAction_; }
    const AniEntry* curAnim() const { return curAnim_; }
    int framePos() const { return framePos_; }
    int subState() const { return subState_; }
    bool hookActive() const { return hookActive_; }
    // The tick count at which the current action started.
    uint32_t actionStart() const { return actionStart_; }

  private:
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
    int CurrentFrameNumber() const;
    // The work area of the monitor under the pet's centre, or of the nearest one.
    Monitor Desktop() const;
    int ClampLevel() const;
    // Replaces the system cursors for a cursor game; false for other actions.
    bool ReplaceCursorsForAction(int id);
    // A draw of the form (random number + tick count) for the program's weighted choices.
    uint32_t DrawSeed();

    CAniScript& script_;
    const CRegionData& shapes_;
    CPetInfo& state_;
    IPetServices& pet_;
    const PetPorts& ports_;
    IClock& clock_;
    CRandom random_;
    const ActEntry* curAction_ = nullptr;
    const AniEntry* curAnim_ = nullptr;
    int moveFlags_ = 0;
    int speed_ = 0;
    int returnAction_ = -1;
    int animPos_ = 0;
    int framePos_ = 0;
    int shownFrame_ = -1;  // the frame whose shape the window was given last
    uint32_t actionStart_ = 0;
    bool hookActive_ = false;
    int throwSpeedX_ = 0;
    int throwSpeedY_ = 0;
    std::optional<std::vector<int>> savedSequence_;
    int subState_ = 0;
    uint32_t subCounter_ = 0;
    std::unique_ptr<CObjectWnd> objectWnd_;
    Monitor outingArea_;  // the monitor an outing keeps to; empty when none goes on
    // The bounce walk after a catch: its direction, whether it bounces, and the bounce step.
    bool bounceRight_ = false;
    bool bouncing_ = false;
    int bounceIndex_ = 0;
};

}  // namespace nuv
