#include "balloon/BalloonPictureFiles.h"

#include "shape/ColorKey.h"
#include "store/BcfImage.h"
#include "store/BmpDecoder.h"
#include "store/FileSystem.h"

namespace nuv {

Image CBalloonPictureFiles::LoadObjectPicture(const std::string& path) {
    return LoadBCFImage(path);
}

Image CBalloonPictureFiles::LoadBitmapFile(const std::string& path) {
    FileReadResult read = Files().ReadFile(path);
    if (read.status != FileReadResult::kOk) return {};
    std::optional<Image> image = DecodeBmp(read.data);
    return image ? std::move(*image) : Image();
}

std::vector<Rect> CBalloonPictureFiles::MakeShape(const Image& picture, Pixel transparent) {
    return MakeColorKeyRegion(picture, transparent).Rects();
}

}  // namespace nuv
