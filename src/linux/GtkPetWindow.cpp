#include "linux/GtkPetWindow.h"

#include <algorithm>

#include "app/PetMainDlg.h"
#include "linux/CairoPictures.h"
#include "linux/ProgramResources.h"
#include "linux/Utf8Text.h"
#include "linux/WakeProfile.h"
#include "shape/Region.h"

// After the program's headers: Xlib defines Status as a macro.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <cairo-xlib.h>
#include <gdk/gdkx.h>

namespace nuv::gtk {
namespace {

constexpr uint32_t kErrorNotEnoughMemory = 8;
constexpr int kUploadRows = 64;

}  // namespace

GtkPetWindow::~GtkPetWindow() {
    Destroy();
}

GtkWidget* GtkPetWindow::Create() {
    GtkWidget* widget = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(widget);
    gtk_window_set_decorated(window, FALSE);
    gtk_window_set_resizable(window, TRUE);
    gtk_window_stick(window);
    gtk_widget_set_app_paintable(widget, TRUE);
    // A move reported back by the X server is no reason to draw the frame again.
    gtk_widget_set_redraw_on_allocate(widget, FALSE);
    gtk_widget_add_events(widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                      GDK_POINTER_MOTION_MASK | GDK_ENTER_NOTIFY_MASK |
                                      GDK_KEY_PRESS_MASK);
    gtk_window_move(window, 0, 0);
    gtk_window_set_default_size(window, 1, 1);
    gtk_widget_realize(widget);
    gdkWindow_ = gtk_widget_get_window(widget);
    xDisplay_ = GDK_WINDOW_XDISPLAY(gdkWindow_);
    xWindow_ = GDK_WINDOW_XID(gdkWindow_);
    gdk_window_add_filter(gdkWindow_, OnXEvent, this);
    context_.petWindow = widget;
    return widget;
}

void GtkPetWindow::Destroy() {
    if (context_.petWindow) {
        gdk_window_remove_filter(gtk_widget_get_window(context_.petWindow), OnXEvent, this);
    }
    if (paintSource_) g_source_remove(paintSource_);
    paintSource_ = 0;
    Loud();
    if (loudSource_) {
        g_source_destroy(loudSource_);
        g_source_unref(loudSource_);
        loudSource_ = nullptr;
    }
    timers_.Clear();
    ReleaseSheet();
    if (context_.petWindow) {
        gtk_widget_destroy(context_.petWindow);
        context_.petWindow = nullptr;
    }
    gdkWindow_ = nullptr;
    xDisplay_ = nullptr;
    xWindow_ = 0;
}

void GtkPetWindow::ReleaseSheet() {
    if (sheet_) cairo_surface_destroy(sheet_);
    sheet_ = nullptr;
    if (context_.petWindow) {
        Display* display = GDK_WINDOW_XDISPLAY(gtk_widget_get_window(context_.petWindow));
        if (copyGc_) XFreeGC(display, static_cast<GC>(copyGc_));
        if (pixmap_) XFreePixmap(display, pixmap_);
    }
    copyGc_ = nullptr;
    pixmap_ = 0;
    copySerial_ = 0;
    windowHoldsCopy_ = false;
}

void GtkPetWindow::BeginPaintFrame(cairo_t* cr) {
    paint_ = cr;
    windowHoldsCopy_ = false;  // the toolkit paints the window this time
}

void GtkPetWindow::EndPaintFrame() {
    paint_ = nullptr;
    timings_.NoteFirstFrame(MsSinceProcessStart);
}

Rect GtkPetWindow::GetRect() {
    return rect_;
}

void GtkPetWindow::Move(int x, int y) {
    rect_ = {x, y, x + rect_.Width(), y + rect_.Height()};
    if (!context_.petWindow) return;
    // A shown window moves at once, past the toolkit: GDK would queue a pass of the loop to
    // make up crossing events the X server sends itself for a window that moves under the
    // pointer. A hidden one is placed when it is shown.
    if (visible_) {
        wake_profile::Mark(WakeKind::kMove);
        Quiet();
        const int scale = gdk_window_get_scale_factor(gdkWindow_);
        XMoveWindow(xDisplay_, xWindow_, x * scale, y * scale);
        if (timerDepth_ != g_main_depth()) Loud();  // a tick ends its batch itself
    } else {
        gtk_window_move(GTK_WINDOW(context_.petWindow), x, y);
    }
}

void GtkPetWindow::MoveResize(int x, int y, int width, int height) {
    rect_ = {x, y, x + width, y + height};
    if (!context_.petWindow) return;
    width = std::max(width, 1);
    height = std::max(height, 1);
    gtk_window_resize(GTK_WINDOW(context_.petWindow), width, height);
    // A window manager keeps a window that grows (a new zoom) inside the screen, as it does a
    // new one; a move and resize of the mapped window itself is taken as asked.
    if (visible_) {
        gdk_window_move_resize(gtk_widget_get_window(context_.petWindow), x, y, width, height);
    } else {
        gtk_window_move(GTK_WINDOW(context_.petWindow), x, y);
    }
    windowHoldsCopy_ = false;
}

void GtkPetWindow::SetShape(const Region& shape) {
    if (!context_.petWindow) return;
    int64_t start = NowUs();
    // Frames that share a shape only need the new picture.
    if (!hasShape_ || shape.Rects() != shapeRects_) {
        int64_t regionStart = NowUs();
        ApplyShape(shape.Rects());
        shapeRects_ = shape.Rects();
        hasShape_ = true;
        timings_.region.Add(NowUs() - regionStart);
    }
    QueuePaint();
    timings_.shape.Add(NowUs() - start);
}

// The shape goes to the X window in one call each for the bounding and the input shape; the
// toolkit keeps no copy (it draws nothing in this window).
void GtkPetWindow::ApplyShape(const std::vector<Rect>& rects) {
    static std::vector<XRectangle> boxes;  // kept from shape to shape: no allocation each time
    boxes.clear();
    for (const Rect& r : rects) {
        if (r.IsEmpty()) continue;
        boxes.push_back({short(r.left), short(r.top), static_cast<unsigned short>(r.Width()),
                         static_cast<unsigned short>(r.Height())});
    }
    wake_profile::Mark(WakeKind::kFrame);
    if (pixmap_) Quiet();  // the frame copied after the shape paints what it uncovers
    for (int kind : {ShapeBounding, ShapeInput}) {
        XShapeCombineRectangles(xDisplay_, xWindow_, kind, 0, 0, boxes.data(), int(boxes.size()),
                                ShapeSet, YXBanded);
    }
    windowHoldsCopy_ = false;
}

void GtkPetWindow::Repaint() {
    QueuePaint();
}

// A new frame is copied onto the window straight from the sheet's pixmap once the current
// event is done (no pass through the toolkit's drawing); exposed windows draw through it.
void GtkPetWindow::QueuePaint() {
    if (!context_.petWindow) return;
    if (!pixmap_) {
        gtk_widget_queue_draw(context_.petWindow);
        return;
    }
    if (timerDepth_ == g_main_depth()) {  // not in a dialog's loop opened by the timer
        paintPending_ = true;
        return;
    }
    if (paintSource_) return;
    paintSource_ = g_idle_add_full(G_PRIORITY_HIGH_IDLE, OnDirectPaint, this, nullptr);
}

GdkFilterReturn GtkPetWindow::OnXEvent(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    auto* self = static_cast<GtkPetWindow*>(data);
    auto* event = static_cast<XEvent*>(xevent);
    if (event->type == Expose) return self->OnExpose(*event);
    if (event->type == ConfigureNotify) return self->OnConfigure(*event);
    return GDK_FILTER_CONTINUE;
}

// Uncovered parts of the window are painted from the sheet's pixmap too, past the toolkit.
// An exposure the server made before it ran the last whole-frame copy (a new shape uncovers
// parts of the window just before its frame goes out) is painted already.
GdkFilterReturn GtkPetWindow::OnExpose(const XEvent& xevent) {
    const XExposeEvent& event = xevent.xexpose;
    if (!pixmap_) return GDK_FILTER_CONTINUE;
    const bool painted = copySerial_ && long(event.serial - copySerial_) < 0;
    if (event.count == 0 && !painted) {
        windowHoldsCopy_ = false;
        QueuePaint();
    }
    return GDK_FILTER_REMOVE;
}

// The toolkit asks the X server where the window is (a round trip) for every move it is told
// of. A move of our own to the place we asked for, the size unchanged, tells it nothing it
// needs: nothing here reads the toolkit's idea of the window's position.
GdkFilterReturn GtkPetWindow::OnConfigure(const XEvent& xevent) {
    const XConfigureEvent& event = xevent.xconfigure;
    GdkWindow* window = gdkWindow_;
    if (event.send_event || event.window != xWindow_) return GDK_FILTER_CONTINUE;
    const int scale = gdk_window_get_scale_factor(window);
    const bool ownMove = event.x == rect_.left * scale && event.y == rect_.top * scale;
    const bool sameSize = event.width == gdk_window_get_width(window) * scale &&
                          event.height == gdk_window_get_height(window) * scale;
    return ownMove && sameSize ? GDK_FILTER_REMOVE : GDK_FILTER_CONTINUE;
}

gboolean GtkPetWindow::OnDirectPaint(gpointer data) {
    auto* self = static_cast<GtkPetWindow*>(data);
    self->paintSource_ = 0;
    if (self->visible_ && self->context_.dialog && self->context_.petWindow) {
        wake_profile::Mark(WakeKind::kFrame);
        self->directPaint_ = true;
        self->context_.dialog->OnPaint();
        self->directPaint_ = false;
        self->EndPaintFrame();
    }
    self->Loud();
    return G_SOURCE_REMOVE;
}

// The X server tells every client that asks of each move and of each part of a window that a
// new shape uncovers: for our own moves and the frame copied right after a new shape, the
// window hears nothing (one event, one read and one pass of the event loop less per step).
// The event mask is switched off and on within the same batch of requests.
void GtkPetWindow::Quiet() {
    if (quiet_ || !context_.petWindow) return;
    const int toolkitEvents = int(gdk_window_get_events(gdkWindow_));
    if (toolkitEvents != toolkitEvents_) {  // the toolkit chose its events (again): read them
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(xDisplay_, xWindow_, &attributes)) return;
        eventMask_ = attributes.your_event_mask;
        toolkitEvents_ = toolkitEvents;
    }
    XSelectInput(xDisplay_, xWindow_, eventMask_ & ~(StructureNotifyMask | ExposureMask));
    quiet_ = true;
    // A loop run before the batch ends (a dialog's) hears the window again at once: a source
    // of the window's life is ready while the window is quiet.
    if (!loudSource_) {
        loudSource_ = g_source_new(&loudFuncs_, sizeof(LoudSource));
        reinterpret_cast<LoudSource*>(loudSource_)->self = this;
        g_source_set_priority(loudSource_, G_PRIORITY_HIGH);
        g_source_attach(loudSource_, nullptr);
    }
}

GSourceFuncs GtkPetWindow::loudFuncs_ = {
    GtkPetWindow::IsQuiet, GtkPetWindow::IsQuiet, GtkPetWindow::OnLoud, nullptr, nullptr, nullptr};

gboolean GtkPetWindow::IsQuiet(GSource* source, gint* timeout) {
    *timeout = -1;
    return IsQuiet(source);
}

gboolean GtkPetWindow::IsQuiet(GSource* source) {
    return reinterpret_cast<LoudSource*>(source)->self->quiet_;
}

gboolean GtkPetWindow::OnLoud(GSource* source, GSourceFunc, gpointer) {
    reinterpret_cast<LoudSource*>(source)->self->Loud();
    return G_SOURCE_CONTINUE;
}

void GtkPetWindow::Loud() {
    if (!quiet_) return;
    quiet_ = false;
    if (!context_.petWindow) return;
    XSelectInput(xDisplay_, xWindow_, eventMask_);
}

void GtkPetWindow::Show(bool visible) {
    if (!context_.petWindow || visible == visible_) return;
    visible_ = visible;
    windowHoldsCopy_ = false;
    if (visible) {
        gtk_window_move(GTK_WINDOW(context_.petWindow), rect_.left, rect_.top);
        gtk_widget_show(context_.petWindow);
        // Window managers keep a new window inside the screen; a move of a mapped window is
        // taken as asked (the pet stands a little below the work area's bottom).
        gdk_window_move(gtk_widget_get_window(context_.petWindow), rect_.left, rect_.top);
    } else {
        gtk_widget_hide(context_.petWindow);
    }
}

void GtkPetWindow::SetTopMost(bool topMost) {
    if (context_.petWindow) gtk_window_set_keep_above(GTK_WINDOW(context_.petWindow), topMost);
}

void GtkPetWindow::BringToTop() {
    GdkWindow* window = context_.petWindow ? gtk_widget_get_window(context_.petWindow) : nullptr;
    if (window) gdk_window_raise(window);
}

void GtkPetWindow::SetForeground() {
    if (context_.petWindow) gtk_window_present(GTK_WINDOW(context_.petWindow));
}

void GtkPetWindow::OnTimer(void* data, int id) {
    static_cast<GtkPetWindow*>(data)->OnTimer(id);
}

void GtkPetWindow::OnTimer(int id) {
    const int outerDepth = timerDepth_;
    timerDepth_ = g_main_depth();
    if (context_.dialog) context_.dialog->OnTimer(id);
    timerDepth_ = outerDepth;
    // The new frame goes out now rather than in a loop pass of its own.
    if (paintPending_) {
        paintPending_ = false;
        OnDirectPaint(this);
    }
    Loud();
}

void GtkPetWindow::StartTimer(int id, uint32_t periodMs) {
    timers_.Start(id, periodMs);
}

void GtkPetWindow::StopTimer(int id) {
    timers_.Stop(id);
}

// The sheet goes to the X server once, as a pixmap beside the window: each frame is then a
// copy within the server, and the program keeps no copy of the pixels of its own.
uint32_t GtkPetWindow::PrepareSheet(const Image& sheet) {
    ReleaseSheet();
    if (sheet.empty()) return kErrorNotEnoughMemory;
    GdkWindow* window = context_.petWindow ? gtk_widget_get_window(context_.petWindow) : nullptr;
    if (window && UploadSheet(window, sheet)) return 0;
    sheet_ = ImageToSurface(sheet);  // painted from the program's memory then
    return sheet_ ? 0 : kErrorNotEnoughMemory;
}

bool GtkPetWindow::UploadSheet(GdkWindow* window, const Image& sheet) {
    Display* display = GDK_WINDOW_XDISPLAY(window);
    GdkVisual* gdkVisual = gdk_window_get_visual(window);
    Visual* visual = GDK_VISUAL_XVISUAL(gdkVisual);
    const int depth = gdk_visual_get_depth(gdkVisual);
    // Our pixels are 0x00RRGGBB words: the layout of the usual 24-bit true-colour visual.
    if ((depth != 24 && depth != 32) || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF) {
        return false;
    }
    Pixmap pixmap = XCreatePixmap(display, GDK_WINDOW_XID(window), unsigned(sheet.width()),
                                  unsigned(sheet.height()), unsigned(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    // In bands straight from the picture's rows: no buffer the size of the sheet.
    for (int top = 0; top < sheet.height(); top += kUploadRows) {
        const int rows = std::min(kUploadRows, sheet.height() - top);
        XImage* band = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                                    reinterpret_cast<char*>(const_cast<Pixel*>(sheet.Row(top))),
                                    unsigned(sheet.width()), unsigned(rows), 32, sheet.width() * 4);
        if (!band) continue;
        XPutImage(display, pixmap, gc, band, 0, 0, 0, top, unsigned(sheet.width()), unsigned(rows));
        band->data = nullptr;  // the picture's own rows
        XDestroyImage(band);
    }
    XFreeGC(display, gc);
    sheet_ = cairo_xlib_surface_create(display, pixmap, visual, sheet.width(), sheet.height());
    pixmap_ = pixmap;
    return true;
}

void GtkPetWindow::PaintFromSheet(const Rect& source) {
    if (!sheet_ || !context_.petWindow) return;
    if (directPaint_ && pixmap_) {
        // The pet paints at every tick; a frame the window shows already is not sent again.
        if (windowHoldsCopy_ && source == copiedSource_) return;
        int64_t start = NowUs();
        Display* display = xDisplay_;
        if (!copyGc_) {
            XGCValues values = {};
            values.graphics_exposures = False;  // no NoExpose event back for every frame
            copyGc_ = XCreateGC(display, pixmap_, GCGraphicsExposures, &values);
        }
        copySerial_ = NextRequest(display);
        XCopyArea(display, pixmap_, xWindow_, static_cast<GC>(copyGc_), source.left, source.top,
                  unsigned(source.Width()), unsigned(source.Height()), 0, 0);
        copiedSource_ = source;
        windowHoldsCopy_ = true;
        timings_.paint.Add(NowUs() - start);
        return;
    }
    if (!paint_) {
        // Painting happens in the draw signal: ask for one.
        gtk_widget_queue_draw(context_.petWindow);
        return;
    }
    int64_t start = NowUs();
    cairo_save(paint_);
    cairo_set_operator(paint_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(paint_, sheet_, -source.left, -source.top);
    cairo_rectangle(paint_, 0, 0, source.Width(), source.Height());
    cairo_fill(paint_);
    cairo_restore(paint_);
    timings_.paint.Add(NowUs() - start);
}

Point GtkPetWindow::ClientToScreen(Point client) {
    return {rect_.left + client.x, rect_.top + client.y};
}

void GtkPetWindow::BeginMoveLoop(Point screen) {
    if (!context_.petWindow || dragState_ != kNoDrag) return;
    grip_ = {screen.x - rect_.left, screen.y - rect_.top};
    dragState_ = kDragStarting;
    // As the system's move loop, the drag starts once the current message is done.
    g_idle_add(OnStartDrag, this);
}

gboolean GtkPetWindow::OnStartDrag(gpointer data) {
    static_cast<GtkPetWindow*>(data)->StartDrag();
    return G_SOURCE_REMOVE;
}

void GtkPetWindow::StartDrag() {
    if (!context_.dialog || !context_.petWindow) {
        dragState_ = kNoDrag;
        return;
    }
    bool releasedEarly = dragState_ == kDragReleasedEarly;
    GdkWindow* window = gtk_widget_get_window(context_.petWindow);
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
    GdkGrabStatus grab = releasedEarly ? GDK_GRAB_NOT_VIEWABLE
                                       : gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_POINTER,
                                                       FALSE, nullptr, nullptr, nullptr, nullptr);
    dragState_ = kDragging;
    context_.dialog->OnGetMinMaxInfo();
    if (grab != GDK_GRAB_SUCCESS) EndDrag();
}

bool GtkPetWindow::OnDragMotion(int x, int y) {
    if (dragState_ != kDragging) return dragState_ != kNoDrag;
    Move(x - grip_.x, y - grip_.y);
    return true;
}

bool GtkPetWindow::OnDragRelease() {
    if (dragState_ == kNoDrag) return false;
    if (dragState_ == kDragStarting) {
        dragState_ = kDragReleasedEarly;
        return true;
    }
    if (dragState_ == kDragging) EndDrag();
    return true;
}

void GtkPetWindow::EndDrag() {
    dragState_ = kNoDrag;
    if (context_.petWindow) {
        GdkWindow* window = gtk_widget_get_window(context_.petWindow);
        gdk_seat_ungrab(gdk_display_get_default_seat(gdk_window_get_display(window)));
    }
    if (context_.dialog) context_.dialog->OnCaptureChanged();
}

void GtkPetWindow::SetTitle(const std::string& title) {
    if (context_.petWindow)
        gtk_window_set_title(GTK_WINDOW(context_.petWindow), Utf8(title).c_str());
}

void GtkPetWindow::SetIcon(int id) {
    if (!context_.petWindow) return;
    if (GdkPixbuf* icon = PixbufFromBytes(ProgramResource(id))) {
        gtk_window_set_icon(GTK_WINDOW(context_.petWindow), icon);
        g_object_unref(icon);
    }
}

void GtkPetWindow::HideFromTaskBar() {
    if (!context_.petWindow) return;
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(context_.petWindow), TRUE);
    gtk_window_set_skip_pager_hint(GTK_WINDOW(context_.petWindow), TRUE);
}

void GtkPetWindow::EndDialog() {
    if (ended_) return;
    ended_ = true;
    if (context_.petWindow) gtk_widget_hide(context_.petWindow);
    visible_ = false;
    g_main_context_wakeup(nullptr);
}

}  // namespace nuv::gtk
