#include "zoom/ZoomedPorts.h"

#include <algorithm>

#include "ports/Desktop.h"
#include "ports/ObjectWindow.h"
#include "ports/PopupMenu.h"
#include "zoom/Zoom.h"

namespace nuv {

class CZoomedPorts::CDesktop : public IDesktop {
  public:
    CDesktop(IDesktop& desktop, const int& zoom) : desktop_(desktop), zoom_(zoom) {}
    // The divided list is made again only when the shell's list or the zoom has changed.
    const Monitors& GetMonitors() override {
        const Monitors& shell = desktop_.GetMonitors();
        if (zoom_ == 1) return shell;
        if (zoom_ != dividedBy_ || shell != shellMonitors_) {
            shellMonitors_ = shell;
            dividedBy_ = zoom_;
            monitors_ = shell;
            for (Monitor& m : monitors_)
                m = ZoomDown(m, zoom_);
        }
        return monitors_;
    }
    Point GetCursorPos() override { return ZoomDown(desktop_.GetCursorPos(), zoom_); }
    void SetCursorPos(Point screen) override { desktop_.SetCursorPos(ZoomUp(screen, zoom_)); }

  private:
    IDesktop& desktop_;
    const int& zoom_;
    Monitors shellMonitors_;  // the shell's list that monitors_ was divided from
    int dividedBy_ = 0;
    Monitors monitors_;
};

// The menu is the system's: only where it opens is zoomed.
class CZoomedPorts::CMenu : public IPopupMenu {
  public:
    CMenu(IPopupMenu& menu, const int& zoom) : menu_(menu), zoom_(zoom) {}
    void Track(const MenuModel& menu, Point screen) override {
        menu_.Track(menu, ZoomUp(screen, zoom_));
    }
    Pixel MenuColor() override { return menu_.MenuColor(); }

  private:
    IPopupMenu& menu_;
    const int& zoom_;
};

// An object window keeps what it was given, to give it again at another zoom.
class CZoomedObjectWindow : public IObjectWindow {
  public:
    CZoomedObjectWindow(std::unique_ptr<IObjectWindow> window, CZoomedPorts& owner)
        : window_(std::move(window)), owner_(owner) {
        owner_.objectWindows_.push_back(this);
    }
    ~CZoomedObjectWindow() override {
        auto& live = owner_.objectWindows_;
        live.erase(std::remove(live.begin(), live.end(), this), live.end());
    }
    void Place(Point position, Size size) override {
        position_ = position;
        size_ = size;
        placed_ = true;
        GivePlace();
    }
    void SetPicture(const Image& picture, const Region& shape, const Rect& source) override {
        picture_ = picture;
        shape_ = shape;
        source_ = source;
        pictured_ = true;
        GivePicture();
    }
    void Show(bool visible) override { window_->Show(visible); }
    void Rezoom() {
        if (placed_) GivePlace();
        if (pictured_) GivePicture();
    }

  private:
    int zoom() const { return owner_.zoom_; }
    void GivePlace() {
        window_->Place(ZoomUp(position_, zoom()),
                       Size{ZoomUp(size_.width, zoom()), ZoomUp(size_.height, zoom())});
    }
    void GivePicture() {
        if (zoom() == 1) return window_->SetPicture(picture_, shape_, source_);
        window_->SetPicture(ZoomImage(picture_, zoom()), shape_.Zoomed(zoom()),
                            ZoomUp(source_, zoom()));
    }

    std::unique_ptr<IObjectWindow> window_;
    CZoomedPorts& owner_;
    Point position_;
    Size size_;
    bool placed_ = false;
    Image picture_;
    Region shape_;
    Rect source_;
    bool pictured_ = false;
};

class CZoomedPorts::CObjects : public IObjectWindows {
  public:
    CObjects(IObjectWindows& windows, CZoomedPorts& owner) : windows_(windows), owner_(owner) {}
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override {
        return std::make_unique<CZoomedObjectWindow>(windows_.CreateObjectWindow(), owner_);
    }

  private:
    IObjectWindows& windows_;
    CZoomedPorts& owner_;
};

CZoomedPorts::CZoomedPorts(const PetPorts& ports)
    : zoomed_(ports),
      window_(*ports.window, zoom_),
      desktop_(std::make_unique<CDesktop>(*ports.desktop, zoom_)),
      menu_(std::make_unique<CMenu>(*ports.menu, zoom_)),
      objects_(std::make_unique<CObjects>(*ports.objects, *this)) {
    zoomed_.window = &window_;
    zoomed_.desktop = desktop_.get();
    zoomed_.menu = menu_.get();
    zoomed_.objects = objects_.get();
}

CZoomedPorts::~CZoomedPorts() = default;

int CZoomedPorts::ChangeZoom(int zoom, const Image& sheet, const Region* shape) {
    zoom =
        CZoomedWindow::FittingZoom(std::clamp(zoom, 1, kMaxZoom), {sheet.width(), sheet.height()});
    if (zoom == zoom_) return zoom_;
    int previous = zoom_;
    zoom_ = zoom;
    if (window_.PrepareSheet(sheet) != 0) {
        zoom_ = previous;
        window_.PrepareSheet(sheet);
        return zoom_;
    }
    window_.Rezoom(shape);
    for (CZoomedObjectWindow* window : objectWindows_)
        window->Rezoom();
    return zoom_;
}

Point CZoomedPorts::ToPet(Point p) const {
    return ZoomDown(p, zoom_);
}

}  // namespace nuv
