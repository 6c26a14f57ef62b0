#include "pet/ObjectWnd.h"

#include "shape/ColorKey.h"
#include "store/BcfImage.h"

namespace nuv {

CObjectWnd::CObjectWnd(std::unique_ptr<IObjectWindow> window) : window_(std::move(window)) {}

void CObjectWnd::SetObject(const ObjectDesc& desc) {
    desc_ = desc;
    window_->Place(desc.position, {desc.source.Width(), desc.source.Height()});
    MakePicture();
}

void CObjectWnd::SetSourceRect(int left, int top, int right, int bottom) {
    desc_.source = {left, top, right, bottom};
    MakePicture();
}

void CObjectWnd::ShowObject(bool show) {
    window_->Show(show);
}

void CObjectWnd::MakePicture() {
    Image image = LoadBCFImage(desc_.imagePath);
    // A missing image leaves the window without picture and shape.
    picture_ = image.empty() ? Image() : CutImage(image, desc_.source);
    window_->SetPicture(picture_, MakeColorKeyRegion(picture_, desc_.transparent), desc_.source);
}

}  // namespace nuv
