#include "win32/BalloonPainting.h"

#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

void DrawBackground(const BalloonBackground& background, Image& out) {
    if (!background.image) return;
    const Image& piece = *background.image;
    for (int y = 0; y < out.height(); ++y) {
        int sy = background.source.y + y;
        if (sy < 0 || sy >= piece.height()) continue;
        for (int x = 0; x < out.width(); ++x) {
            int sx = background.source.x + x;
            if (sx >= 0 && sx < piece.width()) out.Set(x, y, piece.At(sx, sy));
        }
    }
}

void DrawPicture(const BalloonPicture& picture, Image& out) {
    if (!picture.image) return;
    const Image& image = *picture.image;
    for (int row = 0; row < image.height(); ++row) {
        int y = picture.at.y + row;
        if (y < 0 || y >= out.height()) continue;
        for (int column = 0; column < image.width(); ++column) {
            int x = picture.at.x + column;
            Pixel p = image.At(column, row);
            if (x >= 0 && x < out.width() && p != kPureGreen) out.Set(x, y, p);
        }
    }
}

COLORREF ToColorRef(Pixel p) {
    return RGB(RedOf(p), GreenOf(p), BlueOf(p));
}

void DrawRuns(HDC dc, const std::vector<BalloonTextRun>& runs, KoreanFonts& fonts) {
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ original = nullptr;
    for (const BalloonTextRun& run : runs) {
        HFONT font = fonts.Get(run.font);
        if (!font) continue;
        HGDIOBJ previous = SelectObject(dc, font);
        if (!original) original = previous;
        SetTextColor(dc, ToColorRef(run.colour));
        std::wstring text = Widen(run.text);
        TextOutW(dc, run.at.x, run.at.y, text.c_str(), int(text.size()));
    }
    if (original) SelectObject(dc, original);
}

}  // namespace

Image ComposeBalloonPictures(const BalloonDrawing& drawing, Size client) {
    Image out(client.width, client.height, drawing.background.fill);
    DrawBackground(drawing.background, out);
    for (const BalloonPicture& picture : drawing.pictures)
        DrawPicture(picture, out);
    return out;
}

HBITMAP PaintBalloon(const BalloonDrawing& drawing, Size client, KoreanFonts& fonts) {
    if (client.width <= 0 || client.height <= 0) return nullptr;
    HBITMAP bitmap = ImageToDib(ComposeBalloonPictures(drawing, client));
    if (!bitmap) return nullptr;
    HDC dc = NewMemoryDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawRuns(dc, drawing.runs, fonts);
    SelectObject(dc, old);
    DeleteMemoryDC(dc);
    return bitmap;
}

}  // namespace nuv::win32
