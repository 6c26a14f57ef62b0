#include "linux/XHook.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <gdk/gdkx.h>

#include "app/PetMainDlg.h"
#include "base/Log.h"

namespace nuv::gtk {
namespace {

constexpr uintptr_t kHookMouseMove = 4;
constexpr guint kPollMs = 10;  // the pointer's sampling while a catch runs without XInput 2

Display* XDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_X11_DISPLAY(display) ? GDK_DISPLAY_XDISPLAY(display) : nullptr;
}

}  // namespace

XHook::~XHook() {
    UnInstallHook();
    if (pollSource_) g_source_remove(pollSource_);
    if (filtering_) gdk_window_remove_filter(nullptr, Filter, this);
}

void XHook::InitHooksDll() {
    Display* display = XDisplay();
    if (!display || opcode_ >= 0 || polling_) return;
    // GDK has asked for a version of its own already: a lower one would be refused.
    int event = 0, error = 0, major = 2, minor = 4;
    // NUVPET_NO_XINPUT2 takes the way of servers without it (tests of the fallback).
    if (g_getenv("NUVPET_NO_XINPUT2") ||
        !XQueryExtension(display, "XInputExtension", &opcode_, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        opcode_ = -1;
        polling_ = true;
        WriteLog("XHook::InitHooksDll() - XInput 2가 없어 커서 위치를 주기적으로 읽습니다.");
        return;
    }
    gdk_window_add_filter(nullptr, Filter, this);
    filtering_ = true;
}

void XHook::Select(bool rawMotion) {
    Display* display = XDisplay();
    if (!display || opcode_ < 0) return;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (rawMotion) XISetMask(bits, XI_RawMotion);
    XIEventMask mask = {XIAllMasterDevices, int(sizeof(bits)), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
}

void XHook::InstallHook() {
    if (installed_) return;
    if (polling_) {
        polled_ = {-1, -1};
        pollSource_ = g_timeout_add(kPollMs, OnPoll, this);
    }
    Select(true);
    installed_ = true;
}

void XHook::UnInstallHook() {
    if (!installed_) return;
    if (pollSource_) g_source_remove(pollSource_);
    pollSource_ = 0;
    Select(false);
    installed_ = false;
}

// Without XInput 2 the pointer is read on a timer while the hook is installed; a move is
// reported as a raw motion event would report it.
gboolean XHook::OnPoll(gpointer data) {
    auto* self = static_cast<XHook*>(data);
    if (self->context_.dialog) self->ReportPointer(true);
    return G_SOURCE_CONTINUE;
}

void XHook::ReportPointer(bool movesOnly) {
    Display* display = XDisplay();
    Window root = 0, child = 0;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned mask = 0;
    if (!display || !XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y,
                                   &windowX, &windowY, &mask)) {
        return;
    }
    if (movesOnly && polled_ == Point{x, y}) return;
    polled_ = {x, y};
    auto packed = intptr_t(uint32_t(uint16_t(x)) | uint32_t(uint16_t(y)) << 16);
    context_.dialog->OnHookMessage(kHookMouseMove, packed);
}

GdkFilterReturn XHook::Filter(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    auto* self = static_cast<XHook*>(data);
    auto* event = static_cast<XEvent*>(xevent);
    if (event->type != GenericEvent || event->xcookie.extension != self->opcode_ ||
        event->xcookie.evtype != XI_RawMotion) {
        return GDK_FILTER_CONTINUE;
    }
    if (self->installed_ && self->context_.dialog) self->ReportPointer(false);
    return GDK_FILTER_REMOVE;
}

}  // namespace nuv::gtk
