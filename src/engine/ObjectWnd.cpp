#include "engine/ObjectWnd.h"

#include "base/Log.h"
#include "formats/BcfImage.h"
#include "shape/ColorKey.h"

namespace nuv {
namespace {

// True when `source` is a piece a picture can have: both sides 1..kMaxImageSide.
bool IsPictureSized(const Rect& source) {
    int64_t width = int64_t(source.right) - source.left;
    int64_t height = int64_t(source.bottom) - source.top;
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

}  // namespace

CObjectWnd::CObjectWnd(std::unique_ptr<IObjectWindow> window, IFileSystem& files)
    : window_(std::move(window)), files_(files) {}

void CObjectWnd::SetObject(const ObjectDesc& desc) {
    desc_ = desc;
    TakeSource(desc.source);
    window_->Place(desc_.position, {desc_.source.Width(), desc_.source.Height()});
    MakePicture();
}

void CObjectWnd::SetSourceRect(int left, int top, int right, int bottom) {
    TakeSource({left, top, right, bottom});
    MakePicture();
}

void CObjectWnd::ShowObject(bool show) {
    window_->Show(show);
}

void CObjectWnd::TakeSource(const Rect& source) {
    desc_.source = source;
    if (IsPictureSized(source)) return;
    WriteLogF("CObjectWnd::SetObject() - %s 그림의 (%d,%d)-(%d,%d) 조각은 그릴 수 없습니다.",
              desc_.imagePath.c_str(), source.left, source.top, source.right, source.bottom);
    desc_.source = Rect();
}

void CObjectWnd::MakePicture() {
    Image image = desc_.source.IsEmpty() ? Image() : LoadBCFImage(files_, desc_.imagePath);
    Size size{desc_.source.Width(), desc_.source.Height()};
    if (!image.empty() && !FitsIn(size, image)) {
        WriteLogF("CObjectWnd::SetObject() - %dx%d 조각이 %s 그림(%dx%d)보다 큽니다.", size.width,
                  size.height, desc_.imagePath.c_str(), image.width(), image.height());
        image = Image();
    }
    // A missing image or piece leaves the window without picture and shape.
    picture_ = image.empty() ? Image() : CutImage(image, desc_.source);
    window_->SetPicture(picture_, MakeColorKeyRegion(picture_, desc_.transparent), desc_.source);
}

}  // namespace nuv
