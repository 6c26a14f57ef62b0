#include "zoom/ZoomedWindow.h"

#include "zoom/Zoom.h"

namespace nuv {
namespace {

// The most pixels a zoomed sheet may hold (256 MB).
constexpr int64_t kMaxZoomedSheetPixels = int64_t(1) << 26;

}  // namespace

Rect CZoomedWindow::GetRect() {
    Rect r = window_.GetRect();
    int n = zoom_, left = ZoomDown(r.left, n), top = ZoomDown(r.top, n);
    return {left, top, left + r.Width() / n, top + r.Height() / n};
}

void CZoomedWindow::Move(int x, int y) {
    window_.Move(ZoomUp(x, zoom_), ZoomUp(y, zoom_));
}

void CZoomedWindow::MoveResize(int x, int y, int width, int height) {
    int n = zoom_;
    window_.MoveResize(ZoomUp(x, n), ZoomUp(y, n), ZoomUp(width, n), ZoomUp(height, n));
}

void CZoomedWindow::SetShape(const Region& shape) {
    if (zoom_ == 1) return window_.SetShape(shape);
    window_.SetShape(shape.Zoomed(zoom_));
}

uint32_t CZoomedWindow::PrepareSheet(const Image& sheet) {
    zoom_ = FittingZoom(zoom_, {sheet.width(), sheet.height()});
    if (zoom_ == 1) return window_.PrepareSheet(sheet);
    return window_.PrepareSheet(ZoomImage(sheet, zoom_));
}

int CZoomedWindow::FittingZoom(int zoom, Size size) {
    int64_t pixels = int64_t(size.width) * size.height;
    while (zoom > 1 && pixels * zoom * zoom > kMaxZoomedSheetPixels)
        --zoom;
    return zoom;
}

void CZoomedWindow::PaintFromSheet(const Rect& source) {
    window_.PaintFromSheet(ZoomUp(source, zoom_));
}

Point CZoomedWindow::ClientToScreen(Point client) {
    return ZoomDown(window_.ClientToScreen(ZoomUp(client, zoom_)), zoom_);
}

void CZoomedWindow::BeginMoveLoop(Point screen) {
    window_.BeginMoveLoop(ZoomUp(screen, zoom_));
}

void CZoomedWindow::Rezoom(const Region* shape) {
    if (shape) SetShape(*shape);
}

}  // namespace nuv
