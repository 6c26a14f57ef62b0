#pragma once
// The outing's object windows: each keeps what it was given and is told as an "object" event
// whenever it shows, hides, changes its picture while shown, or goes while shown.

#include <memory>

#include "formats/Image.h"
#include "ports/ObjectWindow.h"
#include "shape/Region.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimObjectWindow : public IObjectWindow {
  public:
    explicit CSimObjectWindow(CSimContext& sim) : sim_(sim) {}
    ~CSimObjectWindow() override {
        if (visible) Tell(false);
    }
    void Place(Point p, Size s) override {
        position = p;
        size = s;
        ++places;
    }
    void SetPicture(const Image& p, const Region& s, const Rect& from) override;
    void Show(bool show) override {
        visible = show;
        Tell(show);
    }

    Point position;
    Size size;
    int places = 0;
    Image picture;
    Region shape;
    Rect source;
    bool visible = false;

  private:
    void Tell(bool shown) {
        sim_.Tell(
            {"object", {{"show", shown}, {"rect", source}, {"x", position.x}, {"y", position.y}}});
    }
    CSimContext& sim_;
};

class CSimObjectWindows : public IObjectWindows {
  public:
    explicit CSimObjectWindows(CSimContext& sim) : sim_(sim) {}
    std::unique_ptr<IObjectWindow> CreateObjectWindow() override {
        return std::make_unique<CSimObjectWindow>(sim_);
    }

  private:
    CSimContext& sim_;
};

}  // namespace nuv
