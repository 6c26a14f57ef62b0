#pragma once
// The ports the pet sees at a whole zoom. The pet lives in pet pixels: the desktop's work
// areas and cursor come divided by the zoom, the pet's window, the object windows and the
// menu's place go out multiplied by it. At zoom 1 every call passes through unchanged.
// Balloons draw themselves at the zoom (CPet::SetZoom); dialogs are the system's.

#include <algorithm>
#include <memory>
#include <vector>

#include "ports/PetPorts.h"
#include "zoom/Zoom.h"
#include "zoom/ZoomedWindow.h"

namespace nuv {

class CZoomedObjectWindow;

class CZoomedPorts {
  public:
    // `ports` are the shell's; they must outlive this object.
    explicit CZoomedPorts(const PetPorts& ports);
    ~CZoomedPorts();
    CZoomedPorts(const CZoomedPorts&) = delete;
    CZoomedPorts& operator=(const CZoomedPorts&) = delete;

    // The shell's ports with the window, desktop, menu and object windows zoomed.
    const PetPorts& Ports() const { return zoomed_; }
    int zoom() const { return zoom_; }
    // Sets the zoom (1 to 3) before the picture sheet is given.
    void SetZoom(int zoom) { zoom_ = std::clamp(zoom, 1, kMaxZoom); }
    // Changes the zoom (1 to 3, lowered while the zoomed `sheet` would be too large): gives
    // the window `sheet` and `shape` (its last one, when there is one), and the object
    // windows their pictures and shapes, again at the new size; their places are the
    // caller's. When the system refuses the zoomed sheet, the zoom stays. Returns the zoom now.
    int ChangeZoom(int zoom, const Image& sheet, const Region* shape);
    // A client or screen point of the shell in pet pixels.
    Point ToPet(Point p) const;

  private:
    class CDesktop;
    class CMenu;
    class CObjects;
    friend class CZoomedObjectWindow;

    int zoom_ = 1;
    PetPorts zoomed_;
    CZoomedWindow window_;
    std::unique_ptr<CDesktop> desktop_;
    std::unique_ptr<CMenu> menu_;
    std::unique_ptr<CObjects> objects_;
    std::vector<CZoomedObjectWindow*> objectWindows_;  // the live ones
};

}  // namespace nuv
