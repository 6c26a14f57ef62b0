// The popup menu built from the core's model: items, states, icons and gauges.

#include <gtest/gtest.h>

#include "pet/MenuModel.h"
#include "script/PetIds.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/Win32PopupMenu.h"

namespace nuv::win32 {
namespace {

const Pixel kMenu = MakePixel(212, 208, 200);

MenuItem Command(int id, const char* text, int icon = -1) {
    MenuItem item;
    item.command = id;
    item.text = text;
    item.iconIndex = icon;
    return item;
}

MenuItem Submenu(const char* text, std::vector<MenuItem> items, int icon = -1) {
    MenuItem item;
    item.kind = MenuItem::kSubmenu;
    item.text = text;
    item.items = std::move(items);
    item.iconIndex = icon;
    return item;
}

MenuItem Gauge(int number) {
    MenuItem item;
    item.kind = MenuItem::kGauge;
    item.gauge = number;
    item.enabled = false;
    return item;
}

MENUITEMINFOW InfoAt(HMENU menu, int position) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_BITMAP;
    GetMenuItemInfoW(menu, UINT(position), TRUE, &info);
    return info;
}

std::wstring TextAt(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, UINT(position), text, 128, MF_BYPOSITION);
    return text;
}

Size BitmapSize(HBITMAP bitmap) {
    BITMAP header = {};
    GetObjectW(bitmap, sizeof(header), &header);
    return {header.bmWidth, header.bmHeight < 0 ? -header.bmHeight : header.bmHeight};
}

// Every alpha byte of a 32-bit DIB section is 255.
bool Opaque(HBITMAP bitmap) {
    DIBSECTION dib = {};
    if (GetObjectW(bitmap, sizeof(dib), &dib) != int(sizeof(dib))) return false;
    if (dib.dsBm.bmBitsPixel != 32) return false;
    const auto* bytes = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    const int height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
    for (int i = 0; i < dib.dsBm.bmWidth * height; ++i) {
        if (bytes[4 * i + 3] != 0xFF) return false;
    }
    return true;
}

class PopupMenuTest : public ::testing::Test {
  protected:
    // The pet's menu: a submenu of games, a separator, the status and options submenus.
    void SetUp() override {
        for (int i = 0; i < 20; ++i)
            icons_.push_back(Image(16, 16, MakePixel(10 * i, 0, 0)));
        model_.icons = &icons_;
        MenuItem status = Submenu("상태", {}, 4);
        MenuItem name = Command(0, "이름: 몽실이");
        name.enabled = false;
        status.items = {name, MenuItem::Separator(), Gauge(0), Gauge(1)};
        MenuItem top = Command(CommandId::kToggleOnTop, "항상 위에");
        top.checked = true;
        MenuItem change = Command(CommandId::kChangePet, "친구 바꾸기...");
        change.enabled = false;
        model_.items = {Submenu("놀이",
                                {Command(CommandId::kCatchAndCarry, "잡기", 1),
                                 Command(CommandId::kStroke, "쓰다듬기", 2)},
                                0),
                        MenuItem::Separator(), status, Submenu("설정", {top, change}),
                        Command(CommandId::kExit, "종료", 6)};
        for (const char* label : {"배부름 ", "즐거움 "}) {
            GaugePicture gauge;
            gauge.label = label;
            gauge.labelWidth = 42;
            gauge.picture = Image(220, 16, kMenu);
            for (int x = 60; x < 76; ++x)
                gauge.picture.Set(x, 8, MakePixel(0, 200, 0));
            model_.gauges.push_back(gauge);
        }
    }

    std::vector<Image> icons_;
    MenuModel model_;
    KoreanFonts fonts_;
};

TEST_F(PopupMenuTest, ItemsFollowTheModel) {
    MenuBuild build(model_, fonts_);
    HMENU top = build.menu();
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(GetMenuItemCount(top), 5);
    EXPECT_EQ(TextAt(top, 0), L"놀이");
    EXPECT_TRUE(InfoAt(top, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(top, 4), UINT(CommandId::kExit));
    EXPECT_EQ(TextAt(top, 4), L"종료");

    HMENU games = GetSubMenu(top, 0);
    ASSERT_NE(games, nullptr);
    EXPECT_EQ(GetMenuItemCount(games), 2);
    EXPECT_EQ(GetMenuItemID(games, 1), UINT(CommandId::kStroke));
    EXPECT_EQ(TextAt(games, 1), L"쓰다듬기");

    HMENU options = GetSubMenu(top, 3);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(InfoAt(options, 0).fState & MFS_CHECKED);
    // A command that cannot run now is grayed; a status line is disabled but not grayed.
    EXPECT_TRUE(GetMenuState(options, 1, MF_BYPOSITION) & MF_GRAYED);
    HMENU status = GetSubMenu(top, 2);
    UINT nameState = GetMenuState(status, 0, MF_BYPOSITION);
    EXPECT_TRUE(nameState & MF_DISABLED);
    EXPECT_FALSE(nameState & MF_GRAYED);
}

TEST_F(PopupMenuTest, IconsAreCheckMarkBitmapsOfTheSystemSize) {
    MenuBuild build(model_, fonts_);
    LONG dimensions = GetMenuCheckMarkDimensions();
    const Size checkMark{LOWORD(dimensions), HIWORD(dimensions)};
    for (auto [menu, position] : {std::pair{build.menu(), 0}, std::pair{build.menu(), 4},
                                  std::pair{GetSubMenu(build.menu(), 0), 1}}) {
        MENUITEMINFOW info = InfoAt(menu, position);
        ASSERT_NE(info.hbmpChecked, nullptr) << position;
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked);
        EXPECT_EQ(BitmapSize(info.hbmpChecked), checkMark);
    }
    EXPECT_EQ(InfoAt(GetSubMenu(build.menu(), 3), 0).hbmpChecked, nullptr);
    // One bitmap per icon used (0, 1, 2, 4, 6), plus the two gauges.
    EXPECT_EQ(build.bitmapCount(), 5 + 2);
}

TEST_F(PopupMenuTest, GaugesAreBitmapItemsWithTheirLabel) {
    MenuBuild build(model_, fonts_);
    HMENU status = GetSubMenu(build.menu(), 2);
    MENUITEMINFOW info = InfoAt(status, 2);
    ASSERT_NE(info.hbmpItem, nullptr);
    EXPECT_EQ(BitmapSize(info.hbmpItem), (Size{220, 16}));
    Image gauge = BitmapToImage(info.hbmpItem);
    int label = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 42; ++x)
            label += gauge.At(x, y) != kMenu;
    }
    EXPECT_GT(label, 10) << "the label is drawn";
    EXPECT_EQ(gauge.At(60, 8), MakePixel(0, 200, 0)) << "the cells stay as composed";
    EXPECT_EQ(gauge.At(219, 15), kMenu);
}

TEST_F(PopupMenuTest, IconAndGaugeBitmapsAreOpaque) {
    MenuBuild build(model_, fonts_);
    HMENU status = GetSubMenu(build.menu(), 2);
    OwnedGdi<HBITMAP> scaled(MakeCheckMarkBitmap(Image(32, 32, MakePixel(0, 0, 200))));
    for (HBITMAP bitmap : {InfoAt(build.menu(), 0).hbmpChecked, InfoAt(build.menu(), 4).hbmpChecked,
                           InfoAt(status, 2).hbmpItem, scaled.get()}) {
        EXPECT_TRUE(Opaque(bitmap)) << "themed menus draw alpha 0 as transparent";
    }
}

TEST_F(PopupMenuTest, EverythingGoesWithTheBuild) {
    const long live = CurrentGdiCounts().Live();
    {
        MenuBuild build(model_, fonts_);
        EXPECT_GT(CurrentGdiCounts().Live(), live);
    }
    fonts_.Clear();
    EXPECT_EQ(CurrentGdiCounts().Live(), live);
}

TEST(CheckMarkBitmapTest, AnIconOfTheSystemSizeKeepsItsPixels) {
    LONG dimensions = GetMenuCheckMarkDimensions();
    Image icon(LOWORD(dimensions), HIWORD(dimensions), MakePixel(1, 2, 3));
    icon.Set(0, 0, MakePixel(250, 0, 0));
    OwnedGdi<HBITMAP> bitmap(MakeCheckMarkBitmap(icon));
    EXPECT_EQ(BitmapToImage(bitmap.get()), icon);
    EXPECT_EQ(MakeCheckMarkBitmap(Image()), nullptr);
}

TEST(CheckMarkBitmapTest, ALargerIconIsScaledDown) {
    Image icon(32, 32, MakePixel(0, 0, 200));
    OwnedGdi<HBITMAP> bitmap(MakeCheckMarkBitmap(icon));
    Image scaled = BitmapToImage(bitmap.get());
    LONG dimensions = GetMenuCheckMarkDimensions();
    ASSERT_EQ(scaled.width(), LOWORD(dimensions));
    ASSERT_EQ(scaled.height(), HIWORD(dimensions));
    EXPECT_EQ(scaled.At(scaled.width() / 2, scaled.height() / 2), MakePixel(0, 0, 200));
}

}  // namespace
}  // namespace nuv::win32
