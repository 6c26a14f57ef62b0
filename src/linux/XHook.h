#pragma once
// The cursor hook: while it is installed, every pointer move anywhere on the screen (XInput 2
// raw motion on the root window, event-driven) reports the pointer's position to the pet as
// the hook library's message.

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
    void Select(bool rawMotion);
    void ReportPointer();

    ShellContext& context_;
    int opcode_ = -1;  // of the XInput extension; -1 when it is missing
    bool filtering_ = false;
    bool installed_ = false;
};

}  // namespace nuv::gtk
