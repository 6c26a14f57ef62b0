#pragma once
// An object window: a picture cut out of an object image, shaped by its transparent colour.

#include <memory>
#include <string>

#include "formats/Image.h"
#include "ports/ObjectWindow.h"

namespace nuv {

class IFileSystem;

struct ObjectDesc {
    std::string imagePath;  // a .BCF picture
    Rect source;            // the picture's place in the image
    Point position;         // the window's top-left corner on the screen
    Pixel transparent = kPureGreen;
};

class CObjectWnd {
  public:
    CObjectWnd(std::unique_ptr<IObjectWindow> window, IFileSystem& files);

    // Takes the description, prepares picture and shape, places and sizes the window. A piece
    // larger than the image leaves the window without picture and shape.
    void SetObject(const ObjectDesc& desc);
    // Shows another picture of the same image; the window keeps its place and size.
    void SetSourceRect(int left, int top, int right, int bottom);
    void ShowObject(bool show);

    const ObjectDesc& Desc() const { return desc_; }
    const Image& Picture() const { return picture_; }

  private:
    // Takes `source`, or an empty piece (with a log line) when no picture can have its size.
    void TakeSource(const Rect& source);
    void MakePicture();

    std::unique_ptr<IObjectWindow> window_;
    IFileSystem& files_;
    ObjectDesc desc_;
    Image picture_;
};

}  // namespace nuv
