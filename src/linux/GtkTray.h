#pragma once
// The notification-area icon (XEmbed, through GtkStatusIcon): its clicks go to the pet as the
// tray messages of the Windows program.

#include "linux/ShellContext.h"
#include "ports/SystemServices.h"

namespace nuv::gtk {

class GtkTray : public ITrayIcon {
  public:
    explicit GtkTray(ShellContext& context) : context_(context) {}
    ~GtkTray() override;
    GtkTray(const GtkTray&) = delete;
    GtkTray& operator=(const GtkTray&) = delete;

    bool Add(int iconId, const std::string& tip) override;
    bool Remove() override;

  private:
    static gboolean OnButton(GtkStatusIcon* icon, GdkEventButton* event, gpointer data);

    ShellContext& context_;
    GtkStatusIcon* icon_ = nullptr;
};

}  // namespace nuv::gtk
