#pragma once
#include "ports/PopupMenu.h"
#include "sim/SimContext.h"

namespace nuv {

// The popup menu: each tracked menu is told as a "menu" event; commands come as scripted input.
class CSimMenu : public IPopupMenu {
  public:
    explicit CSimMenu(CSimContext& sim) : sim_(sim) {}
    void Track(const MenuModel& menu, Point) override { sim_.Tell({"menu", {{"items", &menu}}}); }
    Pixel MenuColor() override { return MakePixel(212, 208, 200); }

  private:
    CSimContext& sim_;
};

}  // namespace nuv
