#pragma once
// The outing's object window (template 185): a shaped pop-up showing one picture.

#include "ports/ObjectWindow.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32ObjectWindow : public IObjectWindow {
  public:
    explicit Win32ObjectWindow(ShellContext& context);
    ~Win32ObjectWindow() override;
    Win32ObjectWindow(const Win32ObjectWindow&) = delete;
    Win32ObjectWindow& operator=(const Win32ObjectWindow&) = delete;

    void Place(Point position, Size size) override;
    void SetPicture(const Image& picture, const Region& shape, const Rect& source) override;
    void Show(bool visible) override;

    HWND hwnd() const { return hwnd_; }

  private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND hwnd_ = nullptr;
    HBITMAP picture_ = nullptr;
    Size pictureSize_;
};

class Win32ObjectWindows : public IObjectWindows {
  public:
    explicit Win32ObjectWindows(ShellContext& context) : context_(context) {}
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override;

  private:
    ShellContext& context_;
};

}  // namespace nuv::win32
