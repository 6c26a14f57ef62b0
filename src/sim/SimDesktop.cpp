#include "sim/SimDesktop.h"

#include <algorithm>

#include "app/PetMainDlg.h"
#include "base/Log.h"
#include "script/PetIds.h"

namespace nuv {

CSimDesktop::CSimDesktop(SimOptions options, IPetEvents* sink)
    : options_(std::move(options)),
      sim_(sink),
      screen_(options_.desktop),
      dialogs_(sim_, options_.name) {
    sim_.clock.SetStart(options_.start);
    std::stable_sort(options_.events.begin(), options_.events.end(),
                     [](const SimInput& a, const SimInput& b) { return a.time < b.time; });
    if (options_.zoom) settings_.values[SettingKey::kZoom] = *options_.zoom;
    window_.onTimer = [this](int id) { OnWindowTimer(id); };
    window_.onPaint = [this] {
        if (dialog_) dialog_->OnPaint();
    };
}

CSimDesktop::~CSimDesktop() {
    dialog_.reset();
}

PetPorts CSimDesktop::Ports() {
    PetPorts ports;
    ports.window = &window_;
    ports.desktop = &screen_;
    ports.system = &system_;
    ports.cursors = &cursors_;
    ports.hook = &cursors_;
    ports.dialogs = &dialogs_;
    ports.menu = &menu_;
    ports.tray = &tray_;
    ports.loading = &loading_;
    ports.balloons = &balloons_;
    ports.objects = &objects_;
    ports.text = &text_;
    ports.settings = &settings_;
    ports.clock = &sim_.clock;
    ports.files = options_.files;
    ports.events = this;
    ports.randomSeed = options_.seed;
    return ports;
}

bool CSimDesktop::Start(bool run) {
    dialog_ = std::make_unique<CPetMainDlg>(Ports());
    LogCapture log;
    bool ok = run ? dialog_->OnInitDialog() : dialog_->CheckPet();
    const Rect& r = window_.rect;
    PetEvent start{"start",
                   {{"ok", ok},
                    {"x", r.left},
                    {"y", r.top},
                    {"w", r.Width()},
                    {"h", r.Height()},
                    {"log", log.messages()}}};
    if (dialog_->zoom() != 1) start.Add("zoom", dialog_->zoom());
    sim_.Tell(std::move(start));
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
    while (!Ended()) {
        uint64_t eventTime = nextEvent_ < events.size() ? events[nextEvent_].time : UINT64_MAX;
        uint64_t timerTime = sim_.timers.NextDue();
        uint64_t t = std::min(eventTime, timerTime);
        if (t > end || t == UINT64_MAX) break;
        if (t > Now()) sim_.clock.Advance(uint32_t(t - Now()));
        if (eventTime <= timerTime) {
            Process(events[nextEvent_++]);
        } else {
            sim_.timers.FireDue(Now());
        }
    }
    if (!Ended() && end > Now()) sim_.clock.Advance(uint32_t(end - Now()));
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
            dialogs_.choices.push_back(e.a);
            break;
        case SimInput::kClose:
            dlg.OnCommand(CommandId::kClose);
            break;
        case SimInput::kBalloonClick:
            if (CSimBalloonWindow* balloon = balloons_.Newest()) {
                balloon->events()->OnMouseMove(e.a, e.b);
                if (balloons_.Newest() == balloon) balloon->events()->OnLButtonDown(e.a, e.b);
            }
            break;
        case SimInput::kMonitors:
            screen_.monitors = e.monitors;
            dlg.OnDisplayChange();
            break;
        case SimInput::kBalloonKey:
            if (CSimBalloonWindow* balloon = balloons_.Newest())
                balloon->events()->OnKey(e.a ? BalloonKey::kEnter : BalloonKey::kEscape);
            break;
    }
}

void CSimDesktop::Click(int x, int y) {
    window_.moveLoopAsked = false;
    dialog_->OnLButtonDown(x, y);
    if (!window_.moveLoopAsked || Ended()) return;
    window_.moveLoopAsked = false;
    moveLoop_ = true;
    loopWindow_ = {window_.rect.left, window_.rect.top};
    loopCursor_ = screen_.cursor;
    dialog_->OnGetMinMaxInfo();
}

void CSimDesktop::MoveCursor(Point p) {
    screen_.cursor = p;
    if (moveLoop_)
        window_.Move(loopWindow_.x + p.x - loopCursor_.x, loopWindow_.y + p.y - loopCursor_.y);
    if (cursors_.hookInstalled) {
        intptr_t position = intptr_t((uint32_t(uint16_t(p.y)) << 16) | uint16_t(p.x));
        dialog_->OnHookMessage(4, position);
    }
}

void CSimDesktop::EndMoveLoop() {
    moveLoop_ = false;
    dialog_->OnCaptureChanged();
}

void CSimDesktop::OnWindowTimer(int id) {
    dialog_->OnTimer(id);
    if (!options_.trace || !sim_.Listened() || (id != 2 && id != 4)) return;
    const CPetEngine& engine = dialog_->pet().Engine();
    const Rect& r = window_.rect;
    sim_.Tell({"tick",
               {{"timer", id},
                {"anim", engine.curAnim() ? engine.curAnim()->id : -1},
                {"frame", engine.framePos()},
                {"x", r.left},
                {"y", r.top}}});
}

void CSimDesktop::OnEvent(const PetEvent& event) {
    if (!sim_.Listened()) return;
    PetEvent stamped = event;
    if (stamped.Is("action")) stamped.AddPosition({window_.rect.left, window_.rect.top});
    sim_.Tell(std::move(stamped));
}

}  // namespace nuv
