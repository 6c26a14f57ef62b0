#include "app/PetMainDlg.h"

#include <cmath>
#include <cstdlib>
#include <exception>

#include "balloon/BalloonWnd.h"
#include "base/Log.h"
#include "engine/Ground.h"
#include "ports/Desktop.h"
#include "ports/Dialogs.h"
#include "ports/FileSystem.h"
#include "ports/PetWindow.h"
#include "ports/Settings.h"
#include "ports/SystemServices.h"
#include "script/PetIds.h"

namespace nuv {

const char kApplicationName[] = "NuvPET";
const char kAlreadyRunningText[] = "이 펫은 이미 실행 중입니다.";
const char kStartFailureText[] = "초기설정에서 문제가 발생했습니다.";
const char kStartFailureCaption[] = "설정 오류";

namespace {

constexpr int kVirtualKeyEnter = 0x0D, kVirtualKeyEscape = 0x1B;
constexpr int kThrowDistance = 70, kThrowRise = 7;

}  // namespace

CPetMainDlg::CPetMainDlg(const PetPorts& ports)
    : shell_(ports), zoom_(shell_), ports_(zoom_.Ports()), pet_(std::make_unique<CPet>(ports_)) {}

CPetMainDlg::~CPetMainDlg() = default;

template <class Handler>
void CPetMainDlg::Guard(const char* handler, Handler&& run) {
    Guard(handler, 0, [&run] {
        run();
        return 0;
    });
}

template <class Result, class Handler>
Result CPetMainDlg::Guard(const char* handler, Result onFault, Handler&& run) {
    try {
        return run();
    } catch (const std::exception& e) {
        OnFault(handler, e.what());
    } catch (...) {
        OnFault(handler, "unknown");
    }
    return onFault;
}

// Nothing should throw inside the core; should something still escape a handler, the program
// ends as a failed start does: logged, told, the system cursors restored, nothing saved.
void CPetMainDlg::OnFault(const char* handler, const char* what) {
    try {
        WriteLogF("CPetMainDlg::%s() - 처리하지 못한 오류로 프로그램을 끝냅니다. (%s)", handler,
                  what);
        if (pet_ && pet_->Engine().curAction()) {
            ports_.dialogs->MessageBox("처리하지 못한 문제가 생겨 프로그램을 끝냅니다.",
                                       kApplicationName, IDialogs::kNoIcon, true);
        } else {
            ShowStartFailure();
        }
        EndDialog();
    } catch (...) {
        ended_ = true;
    }
}

bool CPetMainDlg::OnInitDialog() {
    return Guard("OnInitDialog", false, [&] {
        dragging_ = false;
        hoverCursor_ = false;
        if (!pet_->GetDragFullWindows()) pet_->SetDragFullWindows(1);
        return StartPet();
    });
}

bool CPetMainDlg::CheckPet() {
    return Guard("CheckPet", false, [&] { return pet_->InitPet(false); });
}

bool CPetMainDlg::StartPet() {
    // The pet starts on the primary monitor.
    zoomSetting_ = ZoomSettingOf(shell_.settings->GetString(SettingKey::kZoom));
    Monitors monitors = shell_.desktop->GetMonitors();
    screenMonitors_ = monitors;
    zoom_.SetZoom(zoomSetting_ != kAutoZoom ? zoomSetting_
                  : monitors.empty()        ? 1
                                            : AutoZoom(monitors.front().scale));
    ShareZoom();
    bool started = pet_->InitPet();
    ShareZoom();  // a sheet too large for the zoom has lowered it
    if (!started) {
        ShowStartFailure();
        EndDialog();
    } else {
        AddTrayIcon();
    }
    ShowTitle();
    return started;
}

void CPetMainDlg::ShowStartFailure() {
    ports_.dialogs->MessageBox(kStartFailureText, kStartFailureCaption, IDialogs::kNoIcon, true);
}

void CPetMainDlg::AddTrayIcon() {
    ports_.window->SetIcon(kIconRunning);
    pet_->AddIcon(kIconRunning, pet_->TextOf(TextId::kTrayTip));
}

void CPetMainDlg::ShowTitle() {
    ports_.window->SetTitle(pet_->TextOf(TextId::kWindowTitle));
    ports_.window->HideFromTaskBar();
}

void CPetMainDlg::OnPaint() {
    Guard("OnPaint", [&] { pet_->Engine().DrawFrame(); });
}

void CPetMainDlg::OnLButtonDown(int x, int y) {
    Guard("OnLButtonDown", [&] {
        if (CBalloonWnd* balloon = pet_->openBalloon()) {
            balloon->BringToTop();
            ports_.window->BringToTop();
        }
        int action = pet_->Engine().GetActionId();
        if (IsNeedsHighestAction(action)) return;
        Point p = zoom_.ToPet({x, y});
        if (IsClickGame(action)) return pet_->Engine().OnGameClick(p.x, p.y);
        Point grip = ports_.window->ClientToScreen({50, 15});
        ports_.desktop->SetCursorPos(grip);
        ports_.window->BeginMoveLoop(grip);
    });
}

void CPetMainDlg::OnRButtonDown(int x, int y) {
    Guard("OnRButtonDown", [&] {
        pet_->ShowPopupMenu(ports_.window->ClientToScreen(zoom_.ToPet({x, y})));
    });
}

void CPetMainDlg::OnGetMinMaxInfo() {
    Guard("OnGetMinMaxInfo", [&] {
        pet_->CloseBalloon();
        if (dragging_) return;
        pet_->Engine().RestoreSequence();
        dragging_ = true;
        // A release before the first sample compares with where the drag began, not with the
        // last sample of an earlier drag.
        lastSample_ = ports_.desktop->GetCursorPos();
        ports_.window->StartTimer(kTimerSample, 10);
        ports_.window->StopTimer(kTimerTick);
        pet_->Engine().StartAction(ActionId::kDragged, true, false);
        ports_.window->StartTimer(kTimerDrag, 120);
        pet_->SetCursorFromResource(kCursorDrag);
    });
}

void CPetMainDlg::OnCaptureChanged() {
    Guard("OnCaptureChanged", [&] {
        Rect rect = ports_.window->GetRect();
        Point kept = KeepOnMonitor(rect, MonitorAt(pet_->GetMonitors(), Anchor(rect)));
        if (kept.x != rect.left || kept.y != rect.top) ports_.window->Move(kept.x, kept.y);

        if (!dragging_) return;
        ports_.window->StopTimer(kTimerSample);
        dragging_ = false;
        pet_->RestoreSystemCursors();
        ThrowOrDrop(ports_.desktop->GetCursorPos());
    });
}

void CPetMainDlg::OnDisplayChange() {
    Guard("OnDisplayChange", [&] {
        if (!pet_ || pet_->Engine().GetActionId() == ActionId::kOuting) return;
        bool standing = StoodOnGround();
        screenMonitors_ = shell_.desktop->GetMonitors();
        Rect rect = ports_.window->GetRect();
        Monitors monitors = pet_->GetMonitors();
        if (monitors.empty()) return;
        // A pet on a monitor stays where it is, unless it stood on a ground that has moved.
        if (OnAnyMonitor(monitors, Anchor(rect)) && !standing) return FollowMonitorScale();
        Monitor area = MonitorAt(monitors, Anchor(rect));
        ports_.window->Move(KeptStart(rect.left, rect.Width(), area.left, area.right),
                            StandingTop(rect.Height(), area.ground));
        FollowMonitorScale();
    });
}

bool CPetMainDlg::StoodOnGround() const {
    if (screenMonitors_.empty() || dragging_) return false;
    Monitors before;
    for (const Monitor& m : screenMonitors_)
        before.push_back(ZoomDown(m, zoom_.zoom()));
    Rect rect = ports_.window->GetRect();
    return rect.bottom == MonitorAt(before, Anchor(rect)).ground + kGroundMargin;
}

void CPetMainDlg::ThrowOrDrop(Point p) {
    Point s = lastSample_;
    double dx = double(p.x) - s.x, dy = double(p.y) - s.y;
    int distance = int(std::sqrt(dy * dy + dx * dx));
    ports_.window->StopTimer(kTimerDrag);
    if (distance >= kThrowDistance && std::abs(s.y - p.y) >= kThrowRise) {
        int flags = s.x > p.x ? kMoveLeft : kMoveRight;
        flags |= s.y > p.y ? kMoveUp : kMoveDown;
        pet_->Engine().ThrowPet(flags, std::abs(s.x - p.x), std::abs(s.y - p.y));
    } else {
        pet_->Engine().StartAction(ActionId::kDropped, true, true);
    }
    ports_.window->StartTimer(kTimerDrag, 50);
}

void CPetMainDlg::OnTimer(int id) {
    Guard("OnTimer", [&] {
        switch (id) {
            case kTimerTick:
                ports_.window->StopTimer(kTimerTick);
                pet_->Engine().Tick();
                if (!ended_) ports_.window->StartTimer(kTimerTick, 120);
                break;
            case kTimerDrag: {
                int action = pet_->Engine().GetActionId();
                pet_->Engine().Tick();
                bool flying = action == ActionId::kDropped || action == ActionId::kThrown;
                if (flying && pet_->Engine().GetActionId() != action) FollowMonitorScale();
                break;
            }
            case kTimerSample:
                lastSample_ = ports_.desktop->GetCursorPos();
                break;
            default:
                break;
        }
    });
}

bool CPetMainDlg::OnSetCursor() {
    return Guard("OnSetCursor", false, [&] {
        if (IsStrokeGame(pet_->Engine().GetActionId())) {
            const std::vector<CurEntry>& cursors = pet_->Cursors().records;
            if (!hoverCursor_ && cursors.size() >= 4) {
                hoverCursor_ =
                    ports_.cursors->LoadHoverCursor(JoinPath(".\\PETS\\", cursors[3].file, ""));
            }
            if (hoverCursor_) ports_.cursors->ShowHoverCursor();
            pet_->Engine().OnGameClick(0, 0);
            return hoverCursor_;
        }
        if (hoverCursor_) {
            ports_.cursors->DestroyHoverCursor();
            hoverCursor_ = false;
        }
        return false;
    });
}

void CPetMainDlg::OnHookMessage(uintptr_t wParam, intptr_t lParam) {
    Guard("OnHookMessage", [&] {
        if (wParam != 4 || !pet_->Engine().hookActive()) return;
        // Signed, as screens left of or above the main one have negative coordinates.
        Point p = zoom_.ToPet(
            {int16_t(uintptr_t(lParam) & 0xFFFF), int16_t((uintptr_t(lParam) >> 16) & 0xFFFF)});
        pet_->Engine().OnHookCursor(p.x, p.y);
    });
}

bool CPetMainDlg::PreTranslateKey(int virtualKey) {
    return virtualKey == kVirtualKeyEscape || virtualKey == kVirtualKeyEnter;
}

bool CPetMainDlg::OnCommand(int id) {
    return Guard("OnCommand", true, [&] {
        if (id == CommandId::kIgnored || ended_) return ended_;
        CommandPrologue();
        RunCommand(id);
        if (!ended_ && (id == CommandId::kOk || id == CommandId::kClose)) EndDialog();
        return ended_;
    });
}

void CPetMainDlg::CommandPrologue() {
    pet_->CloseBalloon();
    Rect rect = ports_.window->GetRect();
    Monitor desktop = MonitorAt(pet_->GetMonitors(), Anchor(rect));
    if (rect.bottom != desktop.ground) {
        ports_.window->Move(rect.left, StandingTop(rect.Height(), desktop.ground));
    }
    // A drop or throw still in flight ends here, the pet standing on the ground: otherwise it
    // would fly on from there, and live on at the flight's pace once a command started a game.
    int action = pet_->Engine().GetActionId();
    if (!dragging_ && (action == ActionId::kDropped || action == ActionId::kThrown)) {
        pet_->Engine().Landed();
        FollowMonitorScale();
    }
    ports_.hook->UnInstallHook();
    pet_->Engine().RestoreSequence();
}

void CPetMainDlg::RunCommand(int id) {
    PetInfos& infos = pet_->GetPetInfos();
    switch (id) {
        case CommandId::kCatchAndCarry:
            pet_->Engine().StartAction(ActionId::kCatchAndCarry, true, false);
            break;
        case CommandId::kCatchAndBounce:
        case CommandId::kCatchAndBounce2:
        case CommandId::kCatchAndBounce3:
            pet_->Engine().StartAction(ActionId::kCatchAndBounce, true, false);
            break;
        case CommandId::kStroke:
            pet_->Engine().StartAction(ActionId::kStroke, true, false);
            break;
        case CommandId::kTag:
            pet_->Engine().StartAction(ActionId::kTag, true, false);
            break;
        case CommandId::kFastTag:
            pet_->Engine().StartAction(ActionId::kFastTag, true, false);
            break;
        case CommandId::kExit:
            ExitSequence();
            break;
        case CommandId::kToggleOnTop:
            infos.PetOnTop = infos.PetOnTop ? 0 : 1;
            pet_->SetTopMost(infos.PetOnTop != 0);
            break;
        case CommandId::kToggleSound:
            infos.PetOnSound = infos.PetOnSound ? 0 : 1;
            break;
        case CommandId::kToggleAutostart:
            ToggleStartWithDesktop();
            break;
        case CommandId::kRename:
            pet_->RenamePet();
            break;
        case CommandId::kChangePet:
            if (pet_->GetPetsList().entries.size() > 1)
                ChangePet();
            else
                pet_->ShowPetChangeNotice();
            break;
        case CommandId::kAbout:
            ports_.dialogs->ShowAbout();
            break;
        case CommandId::kRegistration:
            pet_->RegisterUser();
            break;
        case CommandId::kZoomAuto:
        case CommandId::kZoom1:
        case CommandId::kZoom2:
        case CommandId::kZoom3:
            ChooseZoom(id - CommandId::kZoomAuto);
            break;
        default:
            break;
    }
}

// A refusal is told: the mark of the next menu would show it only to a user who looks.
void CPetMainDlg::ToggleStartWithDesktop() {
    bool start = !ports_.system->StartsWithDesktop();
    if (ports_.system->SetStartWithDesktop(start)) return;
    ports_.dialogs->MessageBox(start ? "컴퓨터를 켤 때 함께 시작하도록 설정하지 못했습니다."
                                     : "컴퓨터를 켤 때 함께 시작하는 설정을 지우지 못했습니다.",
                               kApplicationName, IDialogs::kExclamation, true);
}

int CPetMainDlg::ChosenZoom(const Rect& rect) {
    if (zoomSetting_ != kAutoZoom) return zoomSetting_;
    Monitors monitors = pet_->GetMonitors();
    return monitors.empty() ? zoom_.zoom() : AutoZoom(MonitorAt(monitors, Anchor(rect)).scale);
}

void CPetMainDlg::FollowMonitorScale() {
    if (zoomSetting_ == kAutoZoom) ChangeZoom(ChosenZoom(ports_.window->GetRect()));
}

// The choice is kept for the next start; a choice that cannot be kept still holds until then.
void CPetMainDlg::ChooseZoom(int setting) {
    zoomSetting_ = setting;
    if (!shell_.settings->SetString(SettingKey::kZoom, ZoomSettingText(setting)))
        WriteLog("CPetMainDlg::OnCommand() - 확대 설정을 저장하지 못했습니다.");
    ShareZoom();
    ChangeZoom(ChosenZoom(ports_.window->GetRect()));
}

void CPetMainDlg::ShareZoom() {
    pet_->SetZoom(zoom_.zoom(), zoomSetting_);
}

void CPetMainDlg::ChangeZoom(int zoom) {
    int before = zoom_.zoom();
    if (zoom == before) return;
    Rect r = ports_.window->GetRect();  // its size in pet pixels stays
    Rect screen = shell_.window->GetRect();
    Point feet{(screen.left + screen.right) / 2, screen.bottom - kGroundMargin * before};
    Image sheet = pet_->ReadSheetAgain();
    if (sheet.empty()) return;
    pet_->CloseBalloon();
    int n = zoom_.ChangeZoom(zoom, sheet, pet_->Engine().ShownShape());
    if (n == before) return;
    ShareZoom();
    feet = ZoomDown(feet, n);
    Rect moved{feet.x - r.Width() / 2, feet.y + kGroundMargin - r.Height(), 0, 0};
    moved.right = moved.left + r.Width();
    moved.bottom = moved.top + r.Height();
    // Away on its outing the pet stays out of sight.
    Point kept = pet_->Engine().GetActionId() == ActionId::kOuting
                     ? Point{moved.left, moved.top}
                     : KeepOnMonitor(moved, MonitorAt(pet_->GetMonitors(), Anchor(moved)));
    ports_.window->MoveResize(kept.x, kept.y, r.Width(), r.Height());
    ports_.window->Repaint();
    ports_.events->OnEvent({"zoom", {{"zoom", n}}});
}

void CPetMainDlg::ExitSequence() {
    if (!pet_->SavePetFiles()) {
        ports_.dialogs->MessageBox(pet_->TextOf(TextId::kSaveFailed), kApplicationName,
                                   IDialogs::kNoIcon, true);
    }
    pet_->RemoveIcon();
    ports_.window->Show(false);
    ports_.window->StopTimer(kTimerTick);
    pet_->CloseBalloon();
    ports_.dialogs->ShowTimedPicture(JoinPath(".\\PETS\\", "PETEND.BCF", ""), 3);
    EndDialog();
}

// Another pet of PET.CFG replaces this one, in the same window.
void CPetMainDlg::ChangePet() {
    int previous = pet_->FindActivePet();
    if (!pet_->ChooseOtherPet()) return;
    pet_->SavePetFiles();
    ReplacePet();
    if (pet_->InitPet()) {
        ShareZoom();
        AddTrayIcon();
        ShowTitle();
        return;
    }
    // The chosen pet cannot start (the log tells why): the user is told and the previous pet
    // comes back, so that the next start of the program finds a pet that runs.
    ShowStartFailure();
    if (previous >= 0 && previous < int(pet_->GetPetsList().entries.size())) {
        pet_->MakeActivePet(previous);
        pet_->SavePetConfig(pet_->files());
    }
    ReplacePet();
    StartPet();
}

// The pet goes with its timers and tray icon; a new one, not yet started, takes its place.
void CPetMainDlg::ReplacePet() {
    for (int timer : {kTimerTick, kTimerDrag, kTimerSample})
        ports_.window->StopTimer(timer);
    pet_->RemoveIcon();
    pet_.reset();
    ports_.window->Show(true);  // the old pet may have been away on its outing
    pet_ = std::make_unique<CPet>(ports_);
    ShareZoom();
}

void CPetMainDlg::OnTrayNotify(int mouseMessage) {
    Guard("OnTrayNotify", [&] {
        if (mouseMessage == kTrayLeftDown) {
            ports_.window->SetForeground();
        } else if (mouseMessage == kTrayRightDown) {
            pet_->ShowPopupMenu(ports_.desktop->GetCursorPos());
        }
    });
}

void CPetMainDlg::OnSysCommand(int id) {
    Guard("OnSysCommand", [&] {
        if (id == 16) ports_.dialogs->ShowAbout();
    });
}

void CPetMainDlg::EndDialog() {
    if (ended_) return;
    ended_ = true;
    for (int timer : {kTimerTick, kTimerDrag, kTimerSample})
        ports_.window->StopTimer(timer);
    ports_.hook->UnInstallHook();
    if (pet_) pet_->RestoreSystemCursors();
    ports_.window->EndDialog();
}

}  // namespace nuv
