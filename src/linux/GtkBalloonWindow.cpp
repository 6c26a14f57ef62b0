#include "linux/GtkBalloonWindow.h"

#include "base/Cp949.h"
#include "linux/CairoPictures.h"
#include "linux/FreedMemory.h"
#include "linux/WakeProfile.h"

#include <cairo-xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>

namespace nuv::gtk {
namespace {

// A picture whose pure green pixels are transparent; the caller destroys it.
cairo_surface_t* KeyedSurface(const Image& image) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width(), image.height());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + std::size_t(y) * stride);
        const Pixel* from = image.Row(y);
        for (int x = 0; x < image.width(); ++x)
            row[x] = from[x] == kPureGreen ? 0 : (0xFF000000u | from[x]);
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

// `image` (taken) as a surface in the X server beside `like`: what is drawn from it later
// stays there.
cairo_surface_t* ServerCopy(cairo_surface_t* like, cairo_surface_t* image) {
    if (!image) return nullptr;
    cairo_surface_t* copy = cairo_surface_create_similar(like, cairo_surface_get_content(image),
                                                         cairo_image_surface_get_width(image),
                                                         cairo_image_surface_get_height(image));
    cairo_t* cr = cairo_create(copy);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(image);
    return copy;
}

Rect PlacedAt(const Image& image, int x, int y) {
    return {x, y, x + image.width(), y + image.height()};
}

bool SameScenery(const BalloonDrawing& a, const BalloonDrawing& b) {
    const BalloonBackground &x = a.background, &y = b.background;
    if (!(a.size == b.size && x.path == y.path && x.piece == y.piece && x.source == y.source &&
          x.image == y.image && x.fill == y.fill && a.pictures.size() == b.pictures.size())) {
        return false;
    }
    for (std::size_t i = 0; i < a.pictures.size(); ++i) {
        const BalloonPicture &p = a.pictures[i], &q = b.pictures[i];
        if (!(p.path == q.path && p.at == q.at && p.image == q.image)) return false;
    }
    return true;
}

}  // namespace

GtkBalloonWindow::~GtkBalloonWindow() {
    timers_.Clear();
    events_ = nullptr;
    if (GtkWidget* window = ReleaseWindow()) pool_.Give(window);
    ReleasePictures();
    TrimHeapSoon();
}

bool GtkBalloonWindow::Create(int width, int height, IBalloonWindowEvents& events) {
    if (window_) return false;
    events_ = &events;
    width_ = width;
    height_ = height;
    window_ = pool_.Take(width, height);
    g_signal_connect(window_, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(window_, "enter-notify-event", G_CALLBACK(OnEnter), this);
    g_signal_connect(window_, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPress), this);
    g_signal_connect(window_, "destroy", G_CALLBACK(OnDestroy), this);
    return true;
}

// The window without this balloon's handlers and drawing surface; null when there is none.
GtkWidget* GtkBalloonWindow::ReleaseWindow() {
    GtkWidget* window = window_;
    if (!window) return nullptr;
    window_ = nullptr;
    g_signal_handlers_disconnect_by_data(window, this);
    GdkWindow* gdkWindow = gtk_widget_get_window(window);
    if (copyGc_ && gdkWindow) XFreeGC(GDK_WINDOW_XDISPLAY(gdkWindow), copyGc_);
    copyGc_ = nullptr;
    shown_ = nullptr;
    return window;
}

void GtkBalloonWindow::SetShape(const std::vector<Rect>& rects) {
    if (!window_) return;
    cairo_region_t* region = RectsToRegion(rects);
    gtk_widget_shape_combine_region(window_, region);
    gtk_widget_input_shape_combine_region(window_, region);
    cairo_region_destroy(region);
}

void GtkBalloonWindow::MoveTo(int x, int y) {
    if (window_) gtk_window_move(GTK_WINDOW(window_), x, y);
}

void GtkBalloonWindow::Show() {
    if (window_) gtk_widget_show(window_);
}

void GtkBalloonWindow::BringToTop() {
    GdkWindow* window = window_ ? gtk_widget_get_window(window_) : nullptr;
    if (window) gdk_window_raise(window);
}

// A step of typing changes the end of a run or two: only those characters are drawn again and
// sent.
void GtkBalloonWindow::Draw(const BalloonDrawing& drawing) {
    if (!window_) return;
    const Size client = {width_ - 2, height_ - 2};
    if (client.width <= 0 || client.height <= 0) {
        ReleasePictures();
        return;
    }
    std::vector<Rect> extents;
    extents.reserve(drawing.runs.size());
    Rect damage;
    for (std::size_t i = 0; i < drawing.runs.size(); ++i) {
        const BalloonTextRun& run = drawing.runs[i];
        const bool same = i < drawn_.runs.size() && drawn_.runs[i] == run;
        extents.push_back(same ? extents_[i]
                               : text_.Extent(run.text, run.font, run.at.x, run.at.y));
        if (same) continue;
        damage = Bounds(damage, i < drawn_.runs.size()
                                    ? Changed(drawn_.runs[i], extents_[i], run, extents.back())
                                    : extents.back());
    }
    for (std::size_t i = drawing.runs.size(); i < drawn_.runs.size(); ++i)
        damage = Bounds(damage, extents_[i]);
    const Rect whole = {0, 0, client.width, client.height};
    if (!picture_ || !SameScenery(drawing, drawn_)) {
        ReleasePictures();
        picture_ = gdk_window_create_similar_surface(
            gtk_widget_get_window(window_), CAIRO_CONTENT_COLOR, client.width, client.height);
        damage = whole;
    }
    damage = {std::max(damage.left, 0), std::max(damage.top, 0),
              std::min(damage.right, whole.right), std::min(damage.bottom, whole.bottom)};
    drawn_ = drawing;
    extents_ = std::move(extents);
    if (damage.IsEmpty()) return;
    Paint(damage);
    Present(damage);
}

// The pixels that change where run `was` becomes `now` (their extents given): from the first
// character that differs when only the text changed, both runs whole otherwise.
Rect GtkBalloonWindow::Changed(const BalloonTextRun& was, const Rect& wasExtent,
                               const BalloonTextRun& now, const Rect& nowExtent) {
    if (!(was.at == now.at && was.font == now.font && was.colour == now.colour))
        return Bounds(wasExtent, nowExtent);
    std::size_t same = 0;
    while (same < was.text.size() && same < now.text.size()) {
        const std::size_t length = cp949::CharLength(now.text, same);
        if (was.text.compare(same, length, now.text, same, length) != 0) break;
        same += length;
    }
    const std::string_view common = std::string_view(now.text).substr(0, same);
    const int x = now.at.x + text_.TextWidth(common, now.font);
    return Bounds(text_.Extent(std::string_view(was.text).substr(same), was.font, x, was.at.y),
                  text_.Extent(std::string_view(now.text).substr(same), now.font, x, now.at.y));
}

// The new pixels go from the picture to the window within the X server, past the toolkit's
// drawing (a buffer of its own and, without a window manager, a round trip per frame). A
// hidden window is drawn whole when the toolkit shows it.
void GtkBalloonWindow::Present(const Rect& area) {
    if (!gtk_widget_get_mapped(window_)) return;
    GdkWindow* window = gtk_widget_get_window(window_);
    const int scale = gdk_window_get_scale_factor(window);
    const Drawable picture = PixmapOf(picture_);
    if (!picture || !CopyGc()) {
        gtk_widget_queue_draw_area(window_, area.left + 1, area.top + 1, area.Width(),
                                   area.Height());
        return;
    }
    cairo_surface_flush(picture_);
    XCopyArea(GDK_WINDOW_XDISPLAY(window), picture, GDK_WINDOW_XID(window), copyGc_,
              area.left * scale, area.top * scale, unsigned(area.Width() * scale),
              unsigned(area.Height() * scale), (area.left + 1) * scale, (area.top + 1) * scale);
}

// The pixmap behind a surface in the X server when it can be copied to the window (the same
// depth); 0 otherwise.
Drawable GtkBalloonWindow::PixmapOf(cairo_surface_t* surface) const {
    if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_XLIB) return 0;
    GdkVisual* visual = gdk_window_get_visual(gtk_widget_get_window(window_));
    return cairo_xlib_surface_get_depth(surface) == gdk_visual_get_depth(visual)
               ? cairo_xlib_surface_get_drawable(surface)
               : 0;
}

// Copies within the X server send no event back.
bool GtkBalloonWindow::CopyGc() {
    if (copyGc_) return true;
    GdkWindow* window = gtk_widget_get_window(window_);
    XGCValues values = {};
    values.graphics_exposures = False;
    copyGc_ = XCreateGC(GDK_WINDOW_XDISPLAY(window), GDK_WINDOW_XID(window), GCGraphicsExposures,
                        &values);
    return copyGc_ != nullptr;
}

// Draws the display list into the picture, inside `area` only.
void GtkBalloonWindow::Paint(const Rect& area) {
    const BalloonBackground& background = drawn_.background;
    if (background.image && !backgroundPiece_)
        backgroundPiece_ = ServerCopy(picture_, ImageToSurface(*background.image));
    const Rect backdrop =
        backgroundPiece_ ? PlacedAt(*background.image, -background.source.x, -background.source.y)
                         : Rect{};
    cairo_t* cr = nullptr;
    if (!CopyBackground(backdrop, area)) {
        cr = ClippedTo(area);
        if (!(Bounds(backdrop, area) == backdrop)) {  // the fill shows beside the background
            cairo_set_source_rgb(cr, RedOf(background.fill) / 255.0,
                                 GreenOf(background.fill) / 255.0, BlueOf(background.fill) / 255.0);
            cairo_paint(cr);
        }
        if (backgroundPiece_) {
            cairo_set_source_surface(cr, backgroundPiece_, backdrop.left, backdrop.top);
            cairo_paint(cr);
        }
    }
    if (keyedPictures_.empty()) {
        for (const BalloonPicture& picture : drawn_.pictures)
            keyedPictures_.push_back(
                picture.image ? ServerCopy(picture_, KeyedSurface(*picture.image)) : nullptr);
    }
    for (std::size_t i = 0; i < drawn_.pictures.size(); ++i) {
        const BalloonPicture& picture = drawn_.pictures[i];
        if (!keyedPictures_[i] ||
            !PlacedAt(*picture.image, picture.at.x, picture.at.y).Overlaps(area))
            continue;
        if (!cr) cr = ClippedTo(area);
        cairo_set_source_surface(cr, keyedPictures_[i], picture.at.x, picture.at.y);
        cairo_paint(cr);
    }
    for (std::size_t i = 0; i < drawn_.runs.size(); ++i) {
        const BalloonTextRun& run = drawn_.runs[i];
        if (!extents_[i].Overlaps(area)) continue;
        if (!cr) cr = ClippedTo(area);
        text_.Draw(cr, run.text, run.font, run.at.x, run.at.y, run.colour, &area);
    }
    if (cr) cairo_destroy(cr);
}

// A context drawing into the picture within `area`; the caller destroys it.
cairo_t* GtkBalloonWindow::ClippedTo(const Rect& area) {
    cairo_t* cr = cairo_create(picture_);
    cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
    cairo_clip(cr);
    return cr;
}

// The background under `area`, where it covers all of it, copied within the X server: a
// typing step's few pixels cost one request instead of a composite.
bool GtkBalloonWindow::CopyBackground(const Rect& backdrop, const Rect& area) {
    if (!backgroundPiece_ || !(Bounds(backdrop, area) == backdrop)) return false;
    const Drawable picture = PixmapOf(picture_);
    const Drawable piece = PixmapOf(backgroundPiece_);
    if (!picture || !piece || !CopyGc()) return false;
    GdkWindow* window = gtk_widget_get_window(window_);
    const int s = gdk_window_get_scale_factor(window);
    cairo_surface_flush(backgroundPiece_);
    cairo_surface_flush(picture_);
    XCopyArea(GDK_WINDOW_XDISPLAY(window), piece, picture, copyGc_, (area.left - backdrop.left) * s,
              (area.top - backdrop.top) * s, unsigned(area.Width() * s),
              unsigned(area.Height() * s), area.left * s, area.top * s);
    cairo_surface_mark_dirty(picture_);
    return true;
}

void GtkBalloonWindow::ReleasePictures() {
    if (picture_) cairo_surface_destroy(picture_);
    picture_ = nullptr;
    if (backgroundPiece_) cairo_surface_destroy(backgroundPiece_);
    backgroundPiece_ = nullptr;
    for (cairo_surface_t* keyed : keyedPictures_)
        if (keyed) cairo_surface_destroy(keyed);
    keyedPictures_.clear();
    drawn_ = {};
    extents_.clear();
}

gboolean GtkBalloonWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* self = static_cast<GtkBalloonWindow*>(data);
    cairo_set_source_rgb(cr, 0, 0, 0);  // the border
    cairo_paint(cr);
    if (self->picture_) {
        cairo_set_source_surface(cr, self->picture_, 1, 1);
        cairo_rectangle(cr, 1, 1, self->width_ - 2, self->height_ - 2);
        cairo_fill(cr);
    }
    return TRUE;
}

void GtkBalloonWindow::SetCursor(GdkCursor* cursor) {
    if (cursor == shown_ || !window_) return;
    shown_ = cursor;
    gdk_window_set_cursor(gtk_widget_get_window(window_), cursor);
}

gboolean GtkBalloonWindow::OnEnter(GtkWidget*, GdkEventCrossing* event, gpointer data) {
    static_cast<GtkBalloonWindow*>(data)->PointerAt(event->x, event->y);
    return FALSE;
}

gboolean GtkBalloonWindow::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    static_cast<GtkBalloonWindow*>(data)->PointerAt(event->x, event->y);
    return TRUE;
}

void GtkBalloonWindow::PointerAt(double x, double y) {
    if (!events_) return;
    events_->OnMouseMove(int(x) - 1, int(y) - 1);
    if (events_ && !events_->OnSetCursor()) SetCursor(context_.windowCursor);
}

gboolean GtkBalloonWindow::OnButton(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<GtkBalloonWindow*>(data);
    if (event->type != GDK_BUTTON_PRESS || event->button != 1 || !self->events_) return FALSE;
    // A click gives the balloon the keyboard (Escape and Enter then close it).
    gdk_window_focus(gtk_widget_get_window(self->window_), event->time);
    self->events_->OnMouseMove(int(event->x) - 1, int(event->y) - 1);
    if (!self->events_) return TRUE;
    self->events_->OnLButtonDown(int(event->x) - 1, int(event->y) - 1);
    return TRUE;
}

gboolean GtkBalloonWindow::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
    auto* self = static_cast<GtkBalloonWindow*>(data);
    if (!self->events_) return FALSE;
    if (event->keyval == GDK_KEY_Escape) {
        self->events_->OnKey(BalloonKey::kEscape);
        return TRUE;
    }
    if (event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter) {
        self->events_->OnKey(BalloonKey::kEnter);
        return TRUE;
    }
    return FALSE;
}

void GtkBalloonWindow::OnDestroy(GtkWidget*, gpointer data) {
    auto* self = static_cast<GtkBalloonWindow*>(data);
    self->ReleaseWindow();
    self->Closed();
}

// The balloon hears that its window is gone.
void GtkBalloonWindow::Closed() {
    IBalloonWindowEvents* events = events_;
    timers_.Clear();
    events_ = nullptr;
    if (events) events->OnDestroyed();  // last: it may delete this object
}

void GtkBalloonWindow::OnTimer(void* data, int id) {
    auto* self = static_cast<GtkBalloonWindow*>(data);
    wake_profile::Mark(WakeKind::kBalloon);
    if (self->events_) self->events_->OnTimer(id);
}

// Periodic until stopped, as the pet's own: a typing step moves the timer, making no source.
void GtkBalloonWindow::StartTimer(int id, int milliseconds) {
    if (window_) timers_.Start(id, uint32_t(std::max(milliseconds, 1)));
}

void GtkBalloonWindow::StopTimer(int id) {
    timers_.Stop(id);
}

void GtkBalloonWindow::ShowLinkCursor() {
    if (!window_) return;
    static GdkCursor* link = gdk_cursor_new_from_name(gdk_display_get_default(), "pointer");
    SetCursor(link);
}

// The window goes back to the pool, hidden, as the balloon closes.
void GtkBalloonWindow::Destroy() {
    GtkWidget* window = ReleaseWindow();
    if (!window) return;
    pool_.Give(window);
    Closed();  // may delete this object: nothing follows it
}

}  // namespace nuv::gtk
