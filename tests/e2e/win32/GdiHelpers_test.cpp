#include <gtest/gtest.h>

#include <vector>

#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"

namespace nuv::win32 {
namespace {

Image SampleImage() {
    Image image(3, 2);
    image.Set(0, 0, MakePixel(255, 0, 0));
    image.Set(1, 0, MakePixel(0, 255, 0));
    image.Set(2, 0, MakePixel(0, 0, 255));
    image.Set(0, 1, MakePixel(1, 2, 3));
    image.Set(1, 1, MakePixel(255, 255, 255));
    image.Set(2, 1, MakePixel(0, 0, 0));
    return image;
}

bool AnyContains(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects) {
        if (r.Contains(x, y)) return true;
    }
    return false;
}

TEST(DibImageTest, ImageBecomesATopDownDibWithTheSamePixelsAndNothingEmpty) {
    const Image image = SampleImage();
    OwnedGdi<HBITMAP> dib(ImageToDib(image));
    ASSERT_TRUE(dib);
    DIBSECTION section;
    ASSERT_EQ(GetObjectW(dib.get(), sizeof(section), &section), int(sizeof(section)));
    EXPECT_EQ(section.dsBmih.biBitCount, 32);
    // Top-down: the first pixel in memory is the top-left one.
    EXPECT_EQ(static_cast<const Pixel*>(section.dsBm.bmBits)[0], image.At(0, 0));
    EXPECT_EQ(BitmapToImage(dib.get()), image);

    // Drawn through GDI, the first row is the top row and red is red.
    HDC memory = NewMemoryDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib.get());
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(memory, 0, 1), RGB(1, 2, 3));
    SelectObject(memory, old);
    DeleteMemoryDC(memory);

    // Empty images and bad bitmaps give nothing.
    const long live = CurrentGdiCounts().Live();
    EXPECT_EQ(ImageToDib(Image()), nullptr);
    EXPECT_EQ(ImageToDib(Image(0, 5)), nullptr);
    EXPECT_TRUE(BitmapToImage(nullptr).empty());
    EXPECT_EQ(CurrentGdiCounts().Live(), live);
}

TEST(RegionHandleTest, RegionCoversExactlyTheUnionOfTheRectangles) {
    // Overlapping, touching, out of order, and one empty rectangle that must be skipped.
    const std::vector<Rect> rects = {
        {10, 10, 30, 20}, {0, 0, 5, 40}, {20, 15, 40, 25}, {30, 10, 35, 12}, {50, 50, 50, 60}};
    OwnedGdi<HRGN> region(RectsToRegion(rects));
    ASSERT_TRUE(region);
    int wrong = 0;
    for (int y = -1; y < 62; ++y) {
        for (int x = -1; x < 62; ++x) {
            if (bool(PtInRegion(region.get(), x, y)) != AnyContains(rects, x, y)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.bottom, 40);
}

// Banded rectangles come back unchanged, thousands in one call; none, or only empty ones,
// give an empty region.
TEST(RegionHandleTest, RegionsComeBackAsTheirRectangles) {
    std::vector<Rect> pixels;
    for (int y = 0; y < 100; ++y) {
        for (int x = y % 2; x < 100; x += 2)
            pixels.push_back({x, y, x + 1, y + 1});
    }
    std::vector<Rect> banded = {{0, 0, 4, 2}, {6, 0, 9, 2}, {2, 2, 7, 5}};
    for (const std::vector<Rect>* rects : {&banded, &pixels}) {
        OwnedGdi<HRGN> region(RectsToRegion(*rects));
        ASSERT_TRUE(region);
        EXPECT_EQ(RegionToRects(region.get()), *rects);
    }
    const std::vector<Rect> empties[] = {{}, {{5, 5, 5, 9}, {3, 4, 1, 8}}};
    for (const std::vector<Rect>& none : empties) {
        OwnedGdi<HRGN> region(RectsToRegion(none));
        ASSERT_TRUE(region);
        RECT box;
        EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
    }
}

TEST(GdiObjectsTest, EveryCreationIsBalancedByItsDeletion) {
    const GdiCounts before = CurrentGdiCounts();
    LOGFONTW font = {};
    font.lfHeight = 12;
    HDC screen = GetDC(nullptr);
    HGDIOBJ made[] = {NewCompatibleBitmap(screen, 4, 4), NewRectRegion(0, 0, 3, 3), NewFont(font),
                      NewSolidBrush(RGB(1, 2, 3)), NewPen(PS_SOLID, 1, RGB(0, 0, 0))};
    HDC memory = NewMemoryDC(nullptr);
    ReleaseDC(nullptr, screen);
    const GdiCounts during = CurrentGdiCounts();
    EXPECT_EQ(during.Live() - before.Live(), 6);
    for (int k = 0; k < int(GdiKind::kCount); ++k) {
        EXPECT_EQ(during.created[k] - before.created[k], 1) << GdiKindName(GdiKind(k));
    }
    for (HGDIOBJ object : made)
        EXPECT_TRUE(DeleteGdiObject(object));
    EXPECT_TRUE(DeleteMemoryDC(memory));
    // Null and foreign handles do not count.
    EXPECT_TRUE(DeleteGdiObject(nullptr));
    EXPECT_TRUE(DeleteMemoryDC(nullptr));
    EXPECT_FALSE(DeleteGdiObject(reinterpret_cast<HGDIOBJ>(0x12345)));
    const GdiCounts after = CurrentGdiCounts();
    for (int k = 0; k < int(GdiKind::kCount); ++k)
        EXPECT_EQ(after.deleted[k] - before.deleted[k], 1) << GdiKindName(GdiKind(k));
    EXPECT_EQ(after.Live(), before.Live());
}

TEST(GdiObjectsTest, ARegionGivenToAWindowBelongsToTheWindow) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const long live = CurrentGdiCounts().Live();
    HRGN region = RectsToRegion({{0, 0, 10, 10}});
    EXPECT_EQ(CurrentGdiCounts().Live(), live + 1);
    EXPECT_TRUE(SetWindowRegion(window, region, false));
    EXPECT_EQ(CurrentGdiCounts().Live(), live);
    DestroyWindow(window);
}

TEST(GdiObjectsTest, OwnedObjectsAreDeletedOnceWhenTheyGo) {
    const long live = CurrentGdiCounts().Live();
    {
        OwnedGdi<HBRUSH> brush(NewSolidBrush(RGB(9, 9, 9)));
        OwnedGdi<HBRUSH> moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(CurrentGdiCounts().Live(), live + 1);
        moved.reset(NewSolidBrush(RGB(8, 8, 8)));
        EXPECT_EQ(CurrentGdiCounts().Live(), live + 1);
    }
    EXPECT_EQ(CurrentGdiCounts().Live(), live);
}

}  // namespace
}  // namespace nuv::win32
