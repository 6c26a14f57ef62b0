#pragma once
// The speech balloon's window: a shaped, undecorated window with a thin border (the client
// area starts at (1, 1)), drawing the balloon's display list with cairo and Pango.

#include <memory>
#include <vector>

#include "linux/BalloonWindowPool.h"
#include "linux/PangoText.h"
#include "linux/PetTimers.h"
#include "linux/ShellContext.h"
#include "ports/BalloonWindows.h"

struct _XGC;  // Xlib's GC

namespace nuv::gtk {

class GtkBalloonWindow : public IBalloonWindow {
  public:
    GtkBalloonWindow(ShellContext& context, PangoText& text, BalloonWindowPool& pool)
        : context_(context), text_(text), pool_(pool) {}
    ~GtkBalloonWindow() override;
    GtkBalloonWindow(const GtkBalloonWindow&) = delete;
    GtkBalloonWindow& operator=(const GtkBalloonWindow&) = delete;

    bool Create(int width, int height, IBalloonWindowEvents& events) override;
    void SetShape(const std::vector<Rect>& rects) override;
    void MoveTo(int x, int y) override;
    void Show() override;
    void BringToTop() override;
    void Draw(const BalloonDrawing& drawing) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    void ShowLinkCursor() override;
    void Destroy() override;

  private:
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data);
    static gboolean OnEnter(GtkWidget*, GdkEventCrossing* event, gpointer data);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data);
    static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer data);
    static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data);
    static void OnDestroy(GtkWidget*, gpointer data);
    static void OnTimer(void* data, int id);
    GtkWidget* ReleaseWindow();
    void Closed();
    void PointerAt(double x, double y);
    void SetCursor(GdkCursor* cursor);
    Rect Changed(const BalloonTextRun& was, const Rect& wasExtent, const BalloonTextRun& now,
                 const Rect& nowExtent);
    void Paint(const Rect& area);
    void Present(const Rect& area);
    void ReleasePictures();
    unsigned long PixmapOf(cairo_surface_t* surface) const;
    bool CopyGc();
    cairo_t* ClippedTo(const Rect& area);
    bool CopyBackground(const Rect& backdrop, const Rect& area);

    ShellContext& context_;
    PangoText& text_;
    BalloonWindowPool& pool_;
    GtkWidget* window_ = nullptr;
    IBalloonWindowEvents* events_ = nullptr;
    cairo_surface_t* picture_ = nullptr;           // the client area as last drawn, in the X server
    _XGC* copyGc_ = nullptr;                       // for copies within the X server
    cairo_surface_t* backgroundPiece_ = nullptr;   // the background's image, once converted
    std::vector<cairo_surface_t*> keyedPictures_;  // the pictures', likewise
    BalloonDrawing drawn_;                         // what the picture shows
    std::vector<Rect> extents_;                    // the pixels of each of its text runs
    GdkCursor* shown_ = nullptr;
    PetTimers timers_{OnTimer, this};
    int width_ = 0, height_ = 0;
};

class GtkBalloonWindows : public IBalloonWindows {
  public:
    GtkBalloonWindows(ShellContext& context, PangoText& text) : context_(context), text_(text) {}
    std::unique_ptr<IBalloonWindow> CreateBalloonWindow() override {
        return std::make_unique<GtkBalloonWindow>(context_, text_, pool_);
    }

  private:
    ShellContext& context_;
    PangoText& text_;
    BalloonWindowPool pool_;  // outlives the balloons: the shell destroys them first
};

}  // namespace nuv::gtk
