#pragma once
// The pet's window: undecorated, out of the task bar and pager, on every workspace; shaped
// frame by frame and painted from the picture sheet held in one cairo image surface. A drag
// is the program's own: the window follows the pointer while the button is held.

#include <vector>

#include "linux/FrameTimings.h"
#include "linux/PetTimers.h"
#include "linux/ShellContext.h"
#include "ports/PetWindow.h"

union _XEvent;     // Xlib's XEvent
struct _XDisplay;  // Xlib's Display

namespace nuv::gtk {

class GtkPetWindow : public IPetWindow {
  public:
    explicit GtkPetWindow(ShellContext& context) : context_(context) {}
    ~GtkPetWindow() override;
    GtkPetWindow(const GtkPetWindow&) = delete;
    GtkPetWindow& operator=(const GtkPetWindow&) = delete;

    // Makes the window (hidden, realized) and stores it in the context.
    GtkWidget* Create();
    void Destroy();
    // The window's draw signal: the core paints through PaintFromSheet between these calls.
    void BeginPaintFrame(cairo_t* cr);
    void EndPaintFrame();
    // Pointer reports while a drag runs (screen coordinates); false when no drag runs.
    bool OnDragMotion(int x, int y);
    bool OnDragRelease();
    bool Dragging() const { return dragState_ != kNoDrag; }
    bool Ended() const { return ended_; }
    FrameTimings& Timings() { return timings_; }

    Rect GetRect() override;
    void Move(int x, int y) override;
    void MoveResize(int x, int y, int width, int height) override;
    void SetShape(const Region& shape) override;
    void Repaint() override;
    void Show(bool visible) override;
    void SetTopMost(bool topMost) override;
    void BringToTop() override;
    void SetForeground() override;
    void StartTimer(int id, uint32_t periodMs) override;
    void StopTimer(int id) override;
    uint32_t PrepareSheet(const Image& sheet) override;
    void PaintFromSheet(const Rect& source) override;
    Point ClientToScreen(Point client) override;
    void BeginMoveLoop(Point screen) override;
    void SetTitle(const std::string& title) override;
    void SetIcon(int id) override;
    void HideFromTaskBar() override;
    void EndDialog() override;

  private:
    enum DragState { kNoDrag, kDragStarting, kDragReleasedEarly, kDragging };

    static void OnTimer(void* data, int id);
    void OnTimer(int id);
    static gboolean OnStartDrag(gpointer data);
    static gboolean OnDirectPaint(gpointer data);
    static GdkFilterReturn OnXEvent(GdkXEvent* xevent, GdkEvent* event, gpointer data);
    GdkFilterReturn OnExpose(const _XEvent& event);
    GdkFilterReturn OnConfigure(const _XEvent& event);
    void Quiet();
    struct LoudSource {
        GSource source;
        GtkPetWindow* self;
    };
    static GSourceFuncs loudFuncs_;
    static gboolean IsQuiet(GSource* source, gint* timeout);
    static gboolean IsQuiet(GSource* source);
    static gboolean OnLoud(GSource* source, GSourceFunc, gpointer);
    void Loud();
    void QueuePaint();
    void ApplyShape(const std::vector<Rect>& rects);
    void StartDrag();
    void EndDrag();
    void ReleaseSheet();
    bool UploadSheet(GdkWindow* window, const Image& sheet);

    ShellContext& context_;
    // The realized window as Xlib knows it, for the requests of every frame and move.
    GdkWindow* gdkWindow_ = nullptr;
    _XDisplay* xDisplay_ = nullptr;
    unsigned long xWindow_ = 0;
    PetTimers timers_{OnTimer, this};
    cairo_surface_t* sheet_ = nullptr;
    unsigned long pixmap_ = 0;      // the X pixmap under sheet_, when it is one
    void* copyGc_ = nullptr;        // the X graphics context copying frames from it
    unsigned long copySerial_ = 0;  // the X request number of the last whole-frame copy
    Rect copiedSource_;             // the part of the sheet it copied
    bool windowHoldsCopy_ = false;  // no shape, size or exposure has changed the window since
    guint paintSource_ = 0;
    int timerDepth_ = -1;        // the loop depth of a timer's call; its frames go out after it
    bool paintPending_ = false;  // a frame waits for the timer's call to end
    bool directPaint_ = false;
    bool quiet_ = false;             // the window's move and exposure events are off for now
    long eventMask_ = 0;             // the X events the toolkit asked for on the window
    GSource* loudSource_ = nullptr;  // ends the quiet in a loop run before the batch ends
    int toolkitEvents_ = -1;         // the toolkit's own mask that eventMask_ was read for
    cairo_t* paint_ = nullptr;
    Rect rect_;
    std::vector<Rect> shapeRects_;
    bool hasShape_ = false;
    bool visible_ = false;
    bool ended_ = false;
    DragState dragState_ = kNoDrag;
    Point grip_;  // the pointer's place in the window during a drag
    FrameTimings timings_;
};

}  // namespace nuv::gtk
