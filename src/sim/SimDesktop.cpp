#include "sim/SimDesktop.h"

#include <algorithm>

#include "app/PetMainDlg.h"
#include "balloon/FixedTextMetrics.h"
#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "script/PetIds.h"

namespace nuv {

// A balloon's window: it keeps the balloon's timers on the virtual clock and takes the
// scripted clicks and keys.
class CSimDesktop::SimBalloonWindow : public IBalloonWindow {
  public:
    explicit SimBalloonWindow(CSimDesktop& desktop) : desktop_(desktop) {}
    ~SimBalloonWindow() override { Forget(); }

    bool Create(int, int, IBalloonWindowEvents& events) override {
        events_ = &events;
        desktop_.balloonWindows_.push_back(this);
        return true;
    }
    void SetShape(const std::vector<Rect>&) override {}
    void MoveTo(int, int) override {}
    void Show() override {}
    void BringToTop() override {}
    void Draw(const BalloonDrawing&) override {}
    void StartTimer(int id, int milliseconds) override {
        desktop_.timers_.Start(this, id, uint32_t(milliseconds), desktop_.Now(),
                               [this, id] { events_->OnTimer(id); });
    }
    void StopTimer(int id) override { desktop_.timers_.Stop(this, id); }
    void ShowLinkCursor() override {}
    void Destroy() override {
        if (!events_) return;
        IBalloonWindowEvents* events = events_;
        Forget();
        events->OnDestroyed();  // may delete this window
    }
    IBalloonWindowEvents* events() { return events_; }

  private:
    void Forget() {
        desktop_.timers_.StopAll(this);
        auto& open = desktop_.balloonWindows_;
        open.erase(std::remove(open.begin(), open.end(), this), open.end());
        events_ = nullptr;
    }

    CSimDesktop& desktop_;
    IBalloonWindowEvents* events_ = nullptr;
};

// The outing's object window: reported whenever it shows, hides, changes or goes.
class CSimDesktop::SimObjectWindow : public IObjectWindow {
  public:
    explicit SimObjectWindow(CSimDesktop& desktop) : desktop_(desktop) {}
    ~SimObjectWindow() override {
        if (visible_) Report(false);
    }
    void Place(Point position, Size) override { position_ = position; }
    void SetPicture(const Image&, const Region&, const Rect& source) override {
        source_ = source;
        if (visible_) Report(true);
    }
    void Show(bool visible) override {
        visible_ = visible;
        Report(visible);
    }

  private:
    void Report(bool shown) {
        if (desktop_.reporter_)
            desktop_.reporter_->OnObject(desktop_.Now(), shown, source_, position_);
    }
    CSimDesktop& desktop_;
    Point position_;
    Rect source_;
    bool visible_ = false;
};

CSimDesktop::CSimDesktop(SimOptions options, ISimReporter* reporter)
    : options_(std::move(options)), reporter_(reporter) {
    clock_.SetStart(options_.start);
    std::stable_sort(options_.events.begin(), options_.events.end(),
                     [](const SimInput& a, const SimInput& b) { return a.time < b.time; });
}

CSimDesktop::~CSimDesktop() {
    dialog_.reset();
}

PetPorts CSimDesktop::Ports() {
    PetPorts ports;
    ports.window = this;
    ports.desktop = this;
    ports.system = this;
    ports.cursors = this;
    ports.hook = this;
    ports.dialogs = this;
    ports.menu = this;
    ports.tray = this;
    ports.loading = &loading_;
    ports.balloons = this;
    ports.objects = this;
    ports.text = this;
    ports.clock = &clock_;
    ports.files = options_.files;
    ports.events = this;
    ports.randomSeed = options_.seed;
    return ports;
}

bool CSimDesktop::Start(bool run) {
    dialog_ = std::make_unique<CPetMainDlg>(Ports());
    LogCapture log;
    bool ok;
    if (run) {
        ok = dialog_->OnInitDialog();
    } else {
        ok = dialog_->CheckPet();
    }
    if (reporter_) reporter_->OnStart(Now(), ok, rect_, log.messages());
    return ok;
}

bool CSimDesktop::Check() {
    return Start(false);
}

bool CSimDesktop::Run() {
    if (!Start(true)) return false;
    RunUntil(options_.seconds * 1000);
    return true;
}

void CSimDesktop::RunUntil(uint64_t end) {
    std::vector<SimInput>& events = options_.events;
    while (!ended_) {
        uint64_t eventTime = nextEvent_ < events.size() ? events[nextEvent_].time : UINT64_MAX;
        uint64_t timerTime = timers_.NextDue();
        uint64_t t = std::min(eventTime, timerTime);
        if (t > end || t == UINT64_MAX) break;
        if (t > Now()) clock_.Advance(uint32_t(t - Now()));
        if (eventTime <= timerTime) {
            Process(events[nextEvent_++]);
        } else {
            timers_.FireDue(Now());
        }
    }
    if (!ended_ && end > Now()) clock_.Advance(uint32_t(end - Now()));
}

void CSimDesktop::Post(const SimInput& event) {
    std::vector<SimInput>& events = options_.events;
    auto at =
        std::upper_bound(events.begin() + nextEvent_, events.end(), event,
                         [](const SimInput& a, const SimInput& b) { return a.time < b.time; });
    events.insert(at, event);
}

void CSimDesktop::Process(const SimInput& e) {
    CPetMainDlg& dlg = *dialog_;
    switch (e.verb) {
        case SimInput::kCursor:
            MoveCursor({e.a, e.b});
            break;
        case SimInput::kLButton:
            Click(e.a, e.b);
            break;
        case SimInput::kRelease:
            if (moveLoop_) EndMoveLoop();
            break;
        case SimInput::kRButton:
            dlg.OnRButtonDown(e.a, e.b);
            break;
        case SimInput::kCommand:
            dlg.OnCommand(e.a);
            break;
        case SimInput::kTray:
            dlg.OnTrayNotify(e.a ? kTrayRightDown : kTrayLeftDown);
            break;
        case SimInput::kKey:
            // A key the window lets through reaches the dialog: Enter is OK, Escape Cancel.
            if (!dlg.PreTranslateKey(e.a ? 0x0D : 0x1B))
                dlg.OnCommand(e.a ? CommandId::kOk : CommandId::kClose);
            break;
        case SimInput::kSetCursor:
            dlg.OnSetCursor();
            break;
        case SimInput::kChoose:
            choices_.push_back(e.a);
            break;
        case SimInput::kClose:
            dlg.OnCommand(CommandId::kClose);
            break;
        case SimInput::kBalloonClick:
            if (SimBalloonWindow* balloon = OpenBalloonWindow()) {
                balloon->events()->OnMouseMove(e.a, e.b);
                if (SimBalloonWindow* still = OpenBalloonWindow(); still == balloon) {
                    balloon->events()->OnLButtonDown(e.a, e.b);
                }
            }
            break;
        case SimInput::kBalloonKey:
            if (SimBalloonWindow* balloon = OpenBalloonWindow()) {
                balloon->events()->OnKey(e.a ? BalloonKey::kEnter : BalloonKey::kEscape);
            }
            break;
    }
}

void CSimDesktop::Click(int x, int y) {
    moveLoopPending_ = false;
    dialog_->OnLButtonDown(x, y);
    if (!moveLoopPending_ || ended_) return;
    moveLoopPending_ = false;
    moveLoop_ = true;
    loopWindow_ = {rect_.left, rect_.top};
    loopCursor_ = cursor_;
    dialog_->OnGetMinMaxInfo();
}

void CSimDesktop::MoveCursor(Point p) {
    cursor_ = p;
    if (moveLoop_) Move(loopWindow_.x + p.x - loopCursor_.x, loopWindow_.y + p.y - loopCursor_.y);
    if (hookInstalled_) {
        intptr_t position = intptr_t((uint32_t(uint16_t(p.y)) << 16) | uint16_t(p.x));
        dialog_->OnHookMessage(4, position);
    }
}

void CSimDesktop::EndMoveLoop() {
    moveLoop_ = false;
    dialog_->OnCaptureChanged();
}

void CSimDesktop::Move(int x, int y) {
    rect_ = {x, y, x + rect_.Width(), y + rect_.Height()};
}

void CSimDesktop::MoveResize(int x, int y, int width, int height) {
    rect_ = {x, y, x + width, y + height};
}

void CSimDesktop::SetShape(const Region& shape) {
    shape_ = shape;
    ++shapeChanges_;
    if (dialog_) dialog_->OnPaint();
}

void CSimDesktop::Show(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (reporter_) reporter_->OnWindowVisible(Now(), visible);
}

void CSimDesktop::EndDialog() {
    if (ended_) return;
    ended_ = true;
    if (reporter_) reporter_->OnExit(Now());
}

void CSimDesktop::StartTimer(int id, uint32_t periodMs) {
    timers_.Start(this, id, periodMs, Now(), [this, id] {
        dialog_->OnTimer(id);
        if (options_.trace && reporter_ && (id == 2 || id == 4)) {
            CPet& pet = dialog_->pet();
            reporter_->OnTick(Now(), id, pet.curAnim() ? pet.curAnim()->id : -1, pet.framePos(),
                              {rect_.left, rect_.top});
        }
    });
}

void CSimDesktop::StopTimer(int id) {
    timers_.Stop(this, id);
}

Point CSimDesktop::ClientToScreen(Point client) {
    return {rect_.left + client.x, rect_.top + client.y};
}

uint32_t CSimDesktop::GetVersion(OsVersion* version) {
    version->platform = OsVersion::kWindowsNt;
    version->major = 5;
    version->minor = 1;
    return 0;
}

void CSimDesktop::PlaySoundFile(const std::string& path) {
    if (reporter_) reporter_->OnSound(Now(), path);
}

void CSimDesktop::OpenUrl(const std::string& url) {
    if (reporter_) reporter_->OnOpenUrl(Now(), url);
}

bool CSimDesktop::ApplyCursorFile(const std::string& path) {
    if (reporter_) reporter_->OnCursor(Now(), path);
    return true;
}

bool CSimDesktop::ApplyCursorResource(int id) {
    if (reporter_) reporter_->OnCursor(Now(), "resource:" + std::to_string(id));
    return true;
}

void CSimDesktop::RestoreCursors() {
    if (!cursorsSaved_) return;
    cursorsSaved_ = false;
    if (reporter_) reporter_->OnCursor(Now(), std::nullopt);
}

void CSimDesktop::MessageBox(const std::string& text, const std::string& caption, MessageIcon,
                             bool) {
    if (reporter_) reporter_->OnMessage(Now(), text, caption);
}

std::optional<std::string> CSimDesktop::InputBox(const std::string&, const std::string&) {
    if (!options_.name) return std::nullopt;
    std::string name;
    if (!cp949::FromUtf8(*options_.name, &name)) return std::nullopt;
    return WithoutFieldSeparators(name);  // typed into a box that takes no ';'
}

std::optional<int> CSimDesktop::ChooseFromList(const std::string&,
                                               const std::vector<std::string>&) {
    if (choices_.empty()) return std::nullopt;
    int choice = choices_.front();
    choices_.pop_front();
    return choice;
}

void CSimDesktop::ShowTimedPicture(const std::string&, unsigned seconds) {
    clock_.Advance(seconds * 1000);
}

void CSimDesktop::Track(const MenuModel& menu, Point) {
    if (reporter_) reporter_->OnMenu(Now(), menu);
}

std::unique_ptr<IBalloonWindow> CSimDesktop::CreateBalloonWindow() {
    return std::make_unique<SimBalloonWindow>(*this);
}

std::unique_ptr<IObjectWindow> CSimDesktop::CreateObjectWindow() {
    return std::make_unique<SimObjectWindow>(*this);
}

CSimDesktop::SimBalloonWindow* CSimDesktop::OpenBalloonWindow() {
    return balloonWindows_.empty() ? nullptr : balloonWindows_.back();
}

void CSimDesktop::OnBalloonOpened(int kind, const std::string& text, Point position) {
    if (reporter_) reporter_->OnBalloon(Now(), kind, text, position);
}

void CSimDesktop::OnBalloonShown(const std::vector<std::string>& lines,
                                 const std::vector<std::string>& links) {
    if (reporter_) reporter_->OnBalloonShown(Now(), lines, links);
}

void CSimDesktop::OnBalloonClosed() {
    if (reporter_) reporter_->OnBalloonClosed(Now());
}

int CSimDesktop::TextWidth(std::string_view text, const TextFont& font) {
    return CFixedTextMetrics().TextWidth(text, font);
}

void CSimDesktop::OnActionStarted(int id, int previous) {
    if (reporter_) reporter_->OnAction(Now(), id, previous, {rect_.left, rect_.top});
}

void CSimDesktop::OnLevelChanged(int level) {
    if (reporter_) reporter_->OnLevel(Now(), level);
}

void CSimDesktop::OnSaved(bool ok) {
    if (reporter_) reporter_->OnSave(Now(), ok);
}

}  // namespace nuv
