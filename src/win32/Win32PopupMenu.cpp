#include "win32/Win32PopupMenu.h"

#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

constexpr TextFont kGaugeFont{12, true, false};

Pixel FromColorRef(COLORREF c) {
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace

HBITMAP MakeCheckMarkBitmap(const Image& icon) {
    if (icon.empty()) return nullptr;
    LONG dimensions = GetMenuCheckMarkDimensions();
    int width = LOWORD(dimensions), height = HIWORD(dimensions);
    if (width <= 0 || height <= 0 || (width == icon.width() && height == icon.height())) {
        HBITMAP copy = ImageToDib(icon);
        MakeOpaque(copy);
        return copy;
    }
    OwnedGdi<HBITMAP> source(ImageToDib(icon));
    BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    HBITMAP scaled = NewDibSection(info, &bits);
    if (!source || !scaled) return scaled;
    HDC from = NewMemoryDC(nullptr), to = NewMemoryDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, source.get()), oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, icon.width(), icon.height(), SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteMemoryDC(from);
    DeleteMemoryDC(to);
    MakeOpaque(scaled);
    return scaled;
}

HBITMAP MakeGaugeBitmap(const GaugePicture& gauge, KoreanFonts& fonts) {
    HBITMAP bitmap = ImageToDib(gauge.picture);
    if (!bitmap) return nullptr;
    HDC dc = NewMemoryDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = fonts.Get(kGaugeFont);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
    std::wstring label = Widen(gauge.label);
    TextOutW(dc, 0, 2, label.c_str(), int(label.size()));
    if (font) SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteMemoryDC(dc);
    MakeOpaque(bitmap);  // after the text, which GDI draws with alpha 0
    return bitmap;
}

MenuBuild::MenuBuild(const MenuModel& model, KoreanFonts& fonts) : model_(model), fonts_(fonts) {
    if (model.icons) icons_.assign(model.icons->size(), nullptr);
    menu_ = CreatePopupMenu();
    if (menu_) Fill(menu_, model.items);
}

MenuBuild::~MenuBuild() {
    if (menu_) DestroyMenu(menu_);  // with all its submenus
    for (HBITMAP bitmap : bitmaps_)
        DeleteGdiObject(bitmap);
}

void MenuBuild::Fill(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items)
        Append(menu, item);
}

void MenuBuild::Append(HMENU menu, const MenuItem& item) {
    UINT position = UINT(GetMenuItemCount(menu));
    // Status lines are disabled but readable; commands that cannot run now are grayed.
    UINT state = item.enabled ? 0 : item.command ? MF_GRAYED : MF_DISABLED;
    switch (item.kind) {
        case MenuItem::kSeparator:
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            return;
        case MenuItem::kGauge:
            if (HBITMAP gauge = GaugeBitmap(item.gauge)) {
                AppendMenuW(menu, MF_BITMAP | MF_DISABLED, 0, reinterpret_cast<LPCWSTR>(gauge));
            }
            return;
        case MenuItem::kSubmenu: {
            HMENU submenu = CreatePopupMenu();
            if (!submenu) return;
            Fill(submenu, item.items);
            AppendMenuW(menu, MF_POPUP | MF_STRING | state, UINT_PTR(submenu),
                        Widen(item.text).c_str());
            break;
        }
        case MenuItem::kCommand:
            AppendMenuW(menu, MF_STRING | state | (item.checked ? MF_CHECKED : 0),
                        UINT_PTR(item.command), Widen(item.text).c_str());
            break;
    }
    if (HBITMAP icon = IconBitmap(item.iconIndex)) {
        SetMenuItemBitmaps(menu, position, MF_BYPOSITION, icon, icon);
    }
}

HBITMAP MenuBuild::IconBitmap(int index) {
    if (index < 0 || index >= int(icons_.size())) return nullptr;
    if (!icons_[index]) {
        icons_[index] = MakeCheckMarkBitmap((*model_.icons)[index]);
        if (icons_[index]) bitmaps_.push_back(icons_[index]);
    }
    return icons_[index];
}

HBITMAP MenuBuild::GaugeBitmap(int number) {
    if (number < 0 || number >= int(model_.gauges.size())) return nullptr;
    HBITMAP gauge = MakeGaugeBitmap(model_.gauges[number], fonts_);
    if (gauge) bitmaps_.push_back(gauge);
    return gauge;
}

void Win32PopupMenu::Track(const MenuModel& model, Point screen) {
    MenuBuild build(model, fonts_);
    if (!build.menu()) return;
    HWND owner = context_.petWindow;
    SetForegroundWindow(owner);
    TrackPopupMenu(build.menu(), TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, screen.x,
                   screen.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

Pixel Win32PopupMenu::MenuColor() {
    return FromColorRef(GetSysColor(COLOR_MENU));
}

}  // namespace nuv::win32
