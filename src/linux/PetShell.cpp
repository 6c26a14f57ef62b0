#include "linux/PetShell.h"

#include "base/Log.h"
#include "script/PetIds.h"

namespace nuv::gtk {

CPetShell::CPetShell(StdFileSystem& host, IFileSystem& files)
    : context_{&host, &files},
      window_(context_),
      desktop_(context_),
      services_(context_),
      cursors_(context_),
      hook_(context_),
      dialogs_(context_),
      menu_(context_, text_),
      tray_(context_),
      loading_(context_, text_),
      balloons_(context_, text_) {}

CPetShell::~CPetShell() {
    TakeDown();
}

PetPorts CPetShell::Ports() {
    PetPorts ports;
    ports.window = &window_;
    ports.desktop = &desktop_;
    ports.system = &services_;
    ports.cursors = &cursors_;
    ports.hook = &hook_;
    ports.dialogs = &dialogs_;
    ports.menu = &menu_;
    ports.tray = &tray_;
    ports.loading = &loading_;
    ports.balloons = &balloons_;
    ports.text = &text_;
    ports.objects = &objects_;
    ports.settings = &settings_;
    ports.clock = &clock_;
    ports.files = context_.files;
    // Runs that are to be compared (speed measurements) can start the pet's draws alike.
    if (const char* seed = g_getenv("NUVPET_SEED"))
        ports.randomSeed = g_ascii_strtoull(seed, nullptr, 10);
    return ports;
}

int CPetShell::Run() {
    desktop_.UseDevicePixels();
    GtkWidget* window = window_.Create();
    ConnectSignals(window);
    dialog_ = std::make_unique<CPetMainDlg>(Ports());
    context_.dialog = dialog_.get();
    window_.SetIcon(kIconStart);
    started_ = dialog_->OnInitDialog();
    // The window shows once it is set up, as a dialog made visible by its template.
    if (started_ && !window_.Ended()) window_.Show(true);
    mainLoopDepth_ = 1;
    loop_.Run();
    mainLoopDepth_ = 0;
    WriteLog(window_.Timings().Describe());
    TakeDown();
    return started_ ? 0 : 1;
}

void CPetShell::Stop() {
    cursors_.RestoreCursors();
    hook_.UnInstallHook();
    if (!dialog_ || window_.Ended()) return;
    WriteLog("CPetShell::Stop() - 끝내라는 신호를 받았습니다.");
    dialog_->OnCommand(CommandId::kClose);
}

void CPetShell::TakeDown() {
    dialog_.reset();  // the pet: balloons, object window, tray icon, cursors
    context_.dialog = nullptr;
    loading_.Close();
    window_.Destroy();
}

void CPetShell::ConnectSignals(GtkWidget* window) {
    g_signal_connect(window, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(window, "button-release-event", G_CALLBACK(OnButtonRelease), this);
    g_signal_connect(window, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(window, "enter-notify-event", G_CALLBACK(OnEnter), this);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), this);
}

gboolean CPetShell::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (!self->dialog_) return TRUE;
    self->window_.BeginPaintFrame(cr);
    self->dialog_->OnPaint();
    self->window_.EndPaintFrame();
    return TRUE;
}

gboolean CPetShell::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (!self->dialog_ || event->type != GDK_BUTTON_PRESS || self->window_.Dragging()) return TRUE;
    if (event->button == 1) self->dialog_->OnLButtonDown(int(event->x), int(event->y));
    if (event->button == 3) self->dialog_->OnRButtonDown(int(event->x), int(event->y));
    return TRUE;
}

gboolean CPetShell::OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (event->button == 1) self->window_.OnDragRelease();
    return TRUE;
}

// The cursor over the pet: the core's choice (the stroke game's) or the program's default.
void CPetShell::ShowWindowCursor() {
    if (dialog_->OnSetCursor()) {
        return;  // shown by the core's call
    }
    GdkWindow* window = gtk_widget_get_window(context_.petWindow);
    if (window && gdk_window_get_cursor(window) != context_.windowCursor) {
        gdk_window_set_cursor(window, context_.windowCursor);
    }
}

gboolean CPetShell::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (!self->dialog_) return TRUE;
    if (self->window_.OnDragMotion(int(event->x_root), int(event->y_root))) return TRUE;
    self->ShowWindowCursor();
    return TRUE;
}

gboolean CPetShell::OnEnter(GtkWidget*, GdkEventCrossing*, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (self->dialog_ && !self->window_.Dragging()) self->ShowWindowCursor();
    return FALSE;
}

gboolean CPetShell::OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<CPetShell*>(data);
    if (self->dialog_) self->dialog_->OnCommand(CommandId::kClose);
    return TRUE;  // the window goes with the pet, not before
}

}  // namespace nuv::gtk
