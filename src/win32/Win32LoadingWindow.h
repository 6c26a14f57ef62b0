#pragma once
// The loading window (template 134): the loading picture, the seconds and the percentage,
// and a smooth progress bar, repainted at once after each step of the loading.

#include "ports/LoadingWindow.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32LoadingWindow : public ILoadingWindow {
  public:
    explicit Win32LoadingWindow(ShellContext& context) : context_(context) {}
    ~Win32LoadingWindow() override;

    void Open(int range) override;
    void Report(int seconds, int percentage, int position) override;
    void Close() override;

  private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    ShellContext& context_;
    HWND window_ = nullptr;
    HBITMAP background_ = nullptr;
    int seconds_ = 0;
    int percentage_ = 0;
    int range_ = 0;
    DWORD lastRepaint_ = 0;
};

}  // namespace nuv::win32
