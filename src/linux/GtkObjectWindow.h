#pragma once
// The outing's object: a shaped, undecorated window showing one picture.

#include "ports/ObjectWindow.h"

#include <gtk/gtk.h>

namespace nuv::gtk {

class GtkObjectWindow : public IObjectWindow {
  public:
    GtkObjectWindow();
    ~GtkObjectWindow() override;
    GtkObjectWindow(const GtkObjectWindow&) = delete;
    GtkObjectWindow& operator=(const GtkObjectWindow&) = delete;

    void Place(Point position, Size size) override;
    void SetPicture(const Image& picture, const Region& shape, const Rect& source) override;
    void Show(bool visible) override;

  private:
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data);

    GtkWidget* window_ = nullptr;
    cairo_surface_t* picture_ = nullptr;
};

class GtkObjectWindows : public IObjectWindows {
  public:
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override {
        return std::make_unique<GtkObjectWindow>();
    }
};

}  // namespace nuv::gtk
