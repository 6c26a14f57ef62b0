#pragma once
// The pet's popup menu: menus built from the core's model, icons as check-mark bitmaps,
// gauges as bitmap items; the chosen command is posted to the pet window.

#include <vector>

#include "pet/MenuModel.h"
#include "ports/PopupMenu.h"
#include "win32/KoreanFonts.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

// The menus of one showing and the bitmaps they use; everything goes with the object.
class MenuBuild {
  public:
    MenuBuild(const MenuModel& model, KoreanFonts& fonts);
    ~MenuBuild();
    MenuBuild(const MenuBuild&) = delete;
    MenuBuild& operator=(const MenuBuild&) = delete;

    HMENU menu() const { return menu_; }
    int bitmapCount() const { return int(bitmaps_.size()); }

  private:
    void Fill(HMENU menu, const std::vector<MenuItem>& items);
    void Append(HMENU menu, const MenuItem& item);
    HBITMAP IconBitmap(int index);
    HBITMAP GaugeBitmap(int number);

    const MenuModel& model_;
    KoreanFonts& fonts_;
    HMENU menu_ = nullptr;
    std::vector<HBITMAP> bitmaps_;
    std::vector<HBITMAP> icons_;  // by icon index, made on first use
};

class Win32PopupMenu : public IPopupMenu {
  public:
    Win32PopupMenu(ShellContext& context, KoreanFonts& fonts) : context_(context), fonts_(fonts) {}

    void Track(const MenuModel& menu, Point screen) override;
    Pixel MenuColor() override;

  private:
    ShellContext& context_;
    KoreanFonts& fonts_;
};

// A copy of `icon` at the system's check-mark size (scaled when the sizes differ).
HBITMAP MakeCheckMarkBitmap(const Image& icon);
// The gauge's picture with its label drawn at (0, 2) in the fixed-pitch font of height 12.
HBITMAP MakeGaugeBitmap(const GaugePicture& gauge, KoreanFonts& fonts);

}  // namespace nuv::win32
