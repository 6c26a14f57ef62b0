#include "linux/XCursors.h"

// Before Xlib, which defines Status as a macro.
#include "ports/FileSystem.h"

#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <fcntl.h>
#include <gdk/gdkx.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "linux/CairoPictures.h"
#include "linux/ProgramResources.h"

namespace nuv::gtk {
namespace {

// The names under which themes and toolkits load the cursors a desktop shows: the classic X
// names and the CSS names, together the counterparts of the system's standard cursors.
constexpr const char* kCursorNames[] = {"left_ptr",
                                        "default",
                                        "arrow",
                                        "top_left_arrow",
                                        "xterm",
                                        "text",
                                        "watch",
                                        "wait",
                                        "left_ptr_watch",
                                        "progress",
                                        "crosshair",
                                        "cross",
                                        "hand1",
                                        "hand2",
                                        "pointer",
                                        "fleur",
                                        "move",
                                        "all-scroll",
                                        "sb_h_double_arrow",
                                        "sb_v_double_arrow",
                                        "ew-resize",
                                        "ns-resize",
                                        "col-resize",
                                        "row-resize",
                                        "question_arrow",
                                        "help",
                                        "not-allowed",
                                        "X_cursor",
                                        "center_ptr",
                                        "sb_up_arrow"};

std::atomic<bool> gCursorsChanged{false};
char gProgram[4096] = {};
char gDisplayName[256] = {};

Display* XDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_X11_DISPLAY(display) ? GDK_DISPLAY_XDISPLAY(display) : nullptr;
}

// The note of changed cursors: $XDG_RUNTIME_DIR (or /tmp) / nuvpet-cursors-<display>, holding
// the process id of the program that changed them.
std::string NotePath(const char* displayName) {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    std::string display = displayName && *displayName ? displayName : "";
    if (display.empty() && std::getenv("DISPLAY")) display = std::getenv("DISPLAY");
    for (char& c : display) {
        if (c == '/') c = '_';
    }
    return std::string(folder && *folder ? folder : "/tmp") + "/nuvpet-cursors-" + display + "-" +
           std::to_string(getuid());
}

void WriteNote() {
    std::ofstream(NotePath(nullptr)) << getpid() << "\n";
}

// The cursor `name` as the theme has it, freshly loaded (null when the theme has none).
Cursor ThemeCursor(Display* display, const char* name) {
    return XcursorLibraryLoadCursor(display, name);
}

// True when the theme has a cursor `name`: only those are replaced, as only those can be put
// back.
bool InTheme(Display* display, const char* name) {
    XcursorImages* images =
        XcursorLibraryLoadImages(name, XcursorGetTheme(display), XcursorGetDefaultSize(display));
    if (!images) return false;
    XcursorImagesDestroy(images);
    return true;
}

// The name our replacement of the theme's cursor `name` carries: windows showing it are
// found by it again when the theme's cursor goes back (a replacement takes the place of the
// replaced cursor, name included).
std::string StandInName(const char* name) {
    return std::string("nuvpet:") + name;
}

void RestoreOn(Display* display) {
    for (const char* name : kCursorNames) {
        if (Cursor original = ThemeCursor(display, name)) {
            XFixesChangeCursorByName(display, original, StandInName(name).c_str());
            XFreeCursor(display, original);
        }
    }
    XFlush(display);
}

void OnFatalSignal(int signal) {
    if (gCursorsChanged.exchange(false) && gProgram[0]) {
        pid_t child = fork();
        if (child == 0) {
            char* argv[] = {gProgram, const_cast<char*>("--restore-cursors"), nullptr};
            execv(gProgram, argv);
            _exit(127);
        }
        if (child > 0) {
            int status = 0;
            waitpid(child, &status, 0);
        }
    }
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

}  // namespace

GdkCursor* CursorFromBytes(std::string_view bytes) {
    GdkPixbuf* picture = PixbufFromBytes(bytes);
    if (!picture) return nullptr;
    int x = 0, y = 0;
    if (const char* hot = gdk_pixbuf_get_option(picture, "x_hot")) x = std::atoi(hot);
    if (const char* hot = gdk_pixbuf_get_option(picture, "y_hot")) y = std::atoi(hot);
    GdkCursor* cursor = gdk_cursor_new_from_pixbuf(gdk_display_get_default(), picture, x, y);
    g_object_unref(picture);
    return cursor;
}

bool RestoreThemeCursors(const char* displayName) {
    Display* display = XOpenDisplay(displayName);
    if (!display) return false;
    RestoreOn(display);
    XCloseDisplay(display);
    unlink(NotePath(displayName).c_str());
    return true;
}

void RestoreCursorsLeftChanged() {
    std::string path = NotePath(nullptr);
    std::ifstream note(path);
    if (!note) return;
    long pid = 0;
    note >> pid;
    // A program that still runs keeps its own game cursors.
    if (pid > 0 && pid != getpid() && kill(pid_t(pid), 0) == 0) return;
    if (Display* display = XDisplay()) RestoreOn(display);
    unlink(path.c_str());
}

void RestoreCursorsOnCrash(const char* program) {
    std::strncpy(gProgram, program, sizeof(gProgram) - 1);
    if (const char* display = std::getenv("DISPLAY")) {
        std::strncpy(gDisplayName, display, sizeof(gDisplayName) - 1);
    }
    struct sigaction action = {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(signal, &action, nullptr);
}

XCursors::~XCursors() {
    RestoreCursors();
    DestroyHoverCursor();
}

// The theme holds the originals: nothing to copy.
void XCursors::SaveCursors() {}

bool XCursors::ApplyCursorFile(const std::string& path) {
    FileReadResult file = context_.files->ReadFile(path);
    return file.status == FileReadResult::kOk && Apply(file.data);
}

bool XCursors::ApplyCursorResource(int id) {
    return Apply(ProgramResource(id));
}

bool XCursors::Apply(std::string_view bytes) {
    Display* display = XDisplay();
    GdkCursor* cursor = CursorFromBytes(bytes);
    if (!display || !cursor) {
        if (cursor) g_object_unref(cursor);
        return false;
    }
    if (!applied_) {
        WriteNote();  // before the change: a kill in between still finds the note
        applied_ = true;
        gCursorsChanged = true;
    }
    static std::vector<const char*> names;
    if (names.empty()) {
        for (const char* name : kCursorNames) {
            if (InTheme(display, name)) names.push_back(name);
        }
    }
    // One stand-in for each name, so that each can be told apart when they go back.
    for (const char* name : names) {
        GdkCursor* standIn = CursorFromBytes(bytes);
        if (!standIn) continue;
        Cursor source = gdk_x11_cursor_get_xcursor(standIn);
        std::string standInName = StandInName(name);
        XFixesSetCursorName(display, source, standInName.c_str());
        XFixesChangeCursorByName(display, source, name);
        XFixesChangeCursorByName(display, source, standInName.c_str());
        XSync(display, False);
        g_object_unref(standIn);  // the windows showing it keep it
    }
    ShowOnWindows(cursor);
    g_object_unref(cursor);
    return true;
}

void XCursors::ShowOnWindows(GdkCursor* cursor) {
    if (context_.windowCursor) g_object_unref(context_.windowCursor);
    context_.windowCursor = cursor ? GDK_CURSOR(g_object_ref(cursor)) : nullptr;
    GdkWindow* pet = context_.petWindow ? gtk_widget_get_window(context_.petWindow) : nullptr;
    if (pet) gdk_window_set_cursor(pet, context_.windowCursor);
}

void XCursors::RestoreCursors() {
    if (!applied_) return;
    applied_ = false;
    gCursorsChanged = false;
    if (Display* display = XDisplay()) RestoreOn(display);
    unlink(NotePath(nullptr).c_str());
    ShowOnWindows(nullptr);
}

bool XCursors::LoadHoverCursor(const std::string& path) {
    DestroyHoverCursor();
    FileReadResult file = context_.files->ReadFile(path);
    if (file.status == FileReadResult::kOk) hover_ = CursorFromBytes(file.data);
    return hover_ != nullptr;
}

void XCursors::ShowHoverCursor() {
    GdkWindow* pet = context_.petWindow ? gtk_widget_get_window(context_.petWindow) : nullptr;
    if (pet && hover_) gdk_window_set_cursor(pet, hover_);
}

void XCursors::DestroyHoverCursor() {
    if (!hover_) return;
    GdkWindow* pet = context_.petWindow ? gtk_widget_get_window(context_.petWindow) : nullptr;
    if (pet) gdk_window_set_cursor(pet, context_.windowCursor);
    g_object_unref(hover_);
    hover_ = nullptr;
}

}  // namespace nuv::gtk
