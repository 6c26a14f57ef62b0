#pragma once
// The pet's window at a whole zoom: the pet sees pet pixels, the window gets screen pixels.
// A shape is not kept: at zoom 1 it passes through untouched, and after a zoom change its
// owner gives it again (Rezoom).

#include "formats/Image.h"
#include "ports/PetWindow.h"
#include "shape/Region.h"

namespace nuv {

class CZoomedWindow : public IPetWindow {
  public:
    // `zoom` is the zoom of the moment (1 to 3), shared with the other zoomed ports; a sheet
    // too large for it lowers it.
    CZoomedWindow(IPetWindow& window, int& zoom) : window_(window), zoom_(zoom) {}

    Rect GetRect() override;
    void Move(int x, int y) override;
    void MoveResize(int x, int y, int width, int height) override;
    void SetShape(const Region& shape) override;
    void Repaint() override { window_.Repaint(); }
    void Show(bool visible) override { window_.Show(visible); }
    void SetTopMost(bool topMost) override { window_.SetTopMost(topMost); }
    void BringToTop() override { window_.BringToTop(); }
    void SetForeground() override { window_.SetForeground(); }
    void StartTimer(int id, uint32_t periodMs) override { window_.StartTimer(id, periodMs); }
    void StopTimer(int id) override { window_.StopTimer(id); }
    // Gives the sheet scaled to the zoom; the zoom is lowered first while the zoomed sheet
    // would hold more pixels than a window may.
    uint32_t PrepareSheet(const Image& sheet) override;
    void PaintFromSheet(const Rect& source) override;
    Point ClientToScreen(Point client) override;
    void BeginMoveLoop(Point screen) override;
    void SetTitle(const std::string& title) override { window_.SetTitle(title); }
    void SetIcon(int id) override { window_.SetIcon(id); }
    void HideFromTaskBar() override { window_.HideFromTaskBar(); }
    void EndDialog() override { window_.EndDialog(); }

    // After a change of the zoom: `shape` (the one given last, when there is one) given again
    // at the new size.
    void Rezoom(const Region* shape);
    // The largest zoom, at most `zoom`, at which a sheet of `size` stays within the pixels
    // one window may hold.
    static int FittingZoom(int zoom, Size size);

  private:
    IPetWindow& window_;
    int& zoom_;
};

}  // namespace nuv
