#pragma once
// The pet's popup menu: a GtkMenu built from the core's model, menu icons beside their items,
// gauges as pictures; the chosen command goes to the pet once the menu has closed.

#include <vector>

#include "linux/PangoText.h"
#include "linux/ShellContext.h"
#include "pet/MenuModel.h"
#include "ports/PopupMenu.h"

namespace nuv::gtk {

class GtkPopupMenu : public IPopupMenu {
  public:
    GtkPopupMenu(ShellContext& context, PangoText& text) : context_(context), text_(text) {}
    ~GtkPopupMenu() override;

    void Track(const MenuModel& menu, Point screen) override;
    Pixel MenuColor() override;

    GtkWidget* openMenu() const { return menu_; }

  private:
    void Fill(GtkWidget* menu, const MenuModel& model, const std::vector<MenuItem>& items);
    GtkWidget* MakeItem(const MenuModel& model, const MenuItem& item);
    GtkWidget* GaugeItem(const GaugePicture& gauge);
    static void OnActivate(GtkMenuItem* item, gpointer data);
    static void OnDeactivate(GtkMenuShell* menu, gpointer data);
    static gboolean RunCommand(gpointer data);

    ShellContext& context_;
    PangoText& text_;
    GtkWidget* menu_ = nullptr;
    int chosen_ = 0;
};

}  // namespace nuv::gtk
