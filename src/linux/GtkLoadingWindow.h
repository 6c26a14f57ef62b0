#pragma once
// The loading window: the loading picture, the seconds and percentage, and a progress bar.
// Loading runs without the main loop, so the window paints itself at each report.

#include <cstdint>

#include "linux/PangoText.h"
#include "linux/ShellContext.h"
#include "ports/LoadingWindow.h"

namespace nuv::gtk {

class GtkLoadingWindow : public ILoadingWindow {
  public:
    GtkLoadingWindow(ShellContext& context, PangoText& text) : context_(context), text_(text) {}
    ~GtkLoadingWindow() override;
    GtkLoadingWindow(const GtkLoadingWindow&) = delete;
    GtkLoadingWindow& operator=(const GtkLoadingWindow&) = delete;

    void Open(int range) override;
    void Report(int seconds, int percentage, int position) override;
    void Close() override;

  private:
    void Paint();

    ShellContext& context_;
    PangoText& text_;
    GtkWidget* window_ = nullptr;
    cairo_surface_t* background_ = nullptr;
    int width_ = 0, height_ = 0;
    int range_ = 0, seconds_ = 0, percentage_ = 0, position_ = 0;
    int64_t lastPaintUs_ = 0;
};

}  // namespace nuv::gtk
