#pragma once
// The window that shows progress while a pet's shapes are loaded.

namespace nuv {

class ILoadingWindow {
  public:
    virtual ~ILoadingWindow() = default;
    // Shows the window with a progress bar running from 0 to `range`.
    virtual void Open(int range) = 0;
    // Whole seconds since loading began, the percentage done and the bar's position.
    virtual void Report(int seconds, int percentage, int position) = 0;
    virtual void Close() = 0;
};

// A loading window that shows nothing: tools, tests and loads without a screen.
class NullLoadingWindow : public ILoadingWindow {
  public:
    void Open(int) override {}
    void Report(int, int, int) override {}
    void Close() override {}
};

inline ILoadingWindow& NoLoadingWindow() {
    static NullLoadingWindow window;
    return window;
}

}  // namespace nuv
