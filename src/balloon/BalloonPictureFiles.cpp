#include "balloon/BalloonPictureFiles.h"

#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "ports/FileSystem.h"
#include "shape/ColorKey.h"

namespace nuv {

Image CBalloonPictureFiles::LoadObjectPicture(const std::string& path) {
    return LoadBCFImage(files_, path);
}

Image CBalloonPictureFiles::LoadBitmapFile(const std::string& path) {
    FileReadResult read = files_.ReadFile(path);
    if (read.status != FileReadResult::kOk) return {};
    std::optional<Image> image = DecodeBmp(read.data);
    return image ? std::move(*image) : Image();
}

std::vector<Rect> CBalloonPictureFiles::MakeShape(const Image& picture, Pixel transparent) {
    return MakeColorKeyRegion(picture, transparent).Rects();
}

}  // namespace nuv
