#pragma once
// The program's shell: the pet window with its event handlers, a main loop of its own, and
// every port of the core implemented with GTK, X11, libcanberra and GIO.

#include <memory>

#include "app/PetMainDlg.h"
#include "linux/GtkBalloonWindow.h"
#include "linux/GtkDesktop.h"
#include "linux/GtkDialogs.h"
#include "linux/GtkLoadingWindow.h"
#include "linux/GtkObjectWindow.h"
#include "linux/GtkPetWindow.h"
#include "linux/GtkPopupMenu.h"
#include "linux/GtkServices.h"
#include "linux/GtkTray.h"
#include "linux/PangoText.h"
#include "linux/PetMainLoop.h"
#include "linux/ShellContext.h"
#include "linux/XCursors.h"
#include "linux/XHook.h"
#include "linux/XdgSettings.h"
#include "ports/StdClock.h"

namespace nuv::gtk {

class CPetShell {
  public:
    CPetShell(StdFileSystem& host, IFileSystem& files);
    ~CPetShell();
    CPetShell(const CPetShell&) = delete;
    CPetShell& operator=(const CPetShell&) = delete;

    // Creates the pet window, runs the events until the pet ends and takes the pet down.
    // Returns 0 after a run, 1 when the pet could not start.
    int Run();
    // A stop signal: the game cursors go back at once and the pet ends as by a close.
    void Stop();
    // The depth of main-loop dispatching at which the pet's own loop runs its handlers (0 before
    // it runs, and while it runs the pet's timers itself): a deeper one is a modal window's loop.
    int MainLoopDepth() const { return loop_.Ticking() ? 0 : mainLoopDepth_; }

  private:
    PetPorts Ports();
    void ConnectSignals(GtkWidget* window);
    void ShowWindowCursor();
    void TakeDown();
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data);
    static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data);
    static gboolean OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer data);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data);
    static gboolean OnEnter(GtkWidget*, GdkEventCrossing* event, gpointer data);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data);

    ShellContext context_;
    PangoText text_;
    GtkPetWindow window_;
    GtkDesktop desktop_;
    GtkServices services_;
    XdgSettings settings_;
    StdClock clock_;
    XCursors cursors_;
    XHook hook_;
    GtkDialogs dialogs_;
    GtkPopupMenu menu_;
    GtkTray tray_;
    GtkLoadingWindow loading_;
    GtkBalloonWindows balloons_;
    GtkObjectWindows objects_;
    PetMainLoop loop_{window_};
    std::unique_ptr<CPetMainDlg> dialog_;
    bool started_ = false;
    int mainLoopDepth_ = 0;
};

}  // namespace nuv::gtk
