#pragma once
// The cursor hook: while it is installed, every pointer move anywhere on the screen (XInput 2
// raw motion on the root window, event-driven) reports the pointer's position to the pet as
// the hook library's message. Without XInput 2 the pointer is read on a timer instead, only
// while the hook is installed.

#include "base/Geometry.h"
#include "linux/ShellContext.h"
#include "ports/SystemServices.h"

namespace nuv::gtk {

class XHook : public IHookLibrary {
  public:
    explicit XHook(ShellContext& context) : context_(context) {}
    ~XHook() override;
    XHook(const XHook&) = delete;
    XHook& operator=(const XHook&) = delete;

    void InitHooksDll() override;
    void InstallHook() override;
    void UnInstallHook() override;

    bool installed() const { return installed_; }

  private:
    static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent* event, gpointer data);
    static gboolean OnPoll(gpointer data);
    void Select(bool rawMotion);
    void ReportPointer(bool movesOnly);

    ShellContext& context_;
    int opcode_ = -1;  // of the XInput extension; -1 when it is missing
    bool filtering_ = false;
    bool installed_ = false;
    bool polling_ = false;  // no XInput 2: the pointer is read on a timer
    guint pollSource_ = 0;
    Point polled_;  // the pointer's last reported place
};

}  // namespace nuv::gtk
