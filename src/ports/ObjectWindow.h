#pragma once
// A free-standing shaped window showing one picture (the outing's object).

#include <memory>

#include "base/Geometry.h"

namespace nuv {

class Image;
class Region;

class IObjectWindow {
  public:
    virtual ~IObjectWindow() = default;
    // Moves and sizes the window without changing its z-order.
    virtual void Place(Point position, Size size) = 0;
    // The picture painted at (0, 0) and the window's shape (client coordinates); `source` is
    // where the picture was cut from its image.
    virtual void SetPicture(const Image& picture, const Region& shape, const Rect& source) = 0;
    virtual void Show(bool visible) = 0;
};

class IObjectWindows {
  public:
    virtual ~IObjectWindows() = default;
    // A new hidden window; it is destroyed with the returned object.
    virtual std::unique_ptr<IObjectWindow> CreateObjectWindow() = 0;
};

}  // namespace nuv
