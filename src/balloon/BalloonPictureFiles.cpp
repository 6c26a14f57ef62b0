#include "balloon/BalloonPictureFiles.h"

#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "ports/FileSystem.h"
#include "shape/ColorKey.h"

namespace nuv {

std::shared_ptr<const Image> CBalloonPictureFiles::LoadObjectPicture(const std::string& path) {
    auto kept = objectPictures_.find(path);
    if (kept != objectPictures_.end()) return kept->second;
    Image picture = LoadBCFImage(files_, path);
    if (picture.empty()) return nullptr;
    auto decoded = std::make_shared<const Image>(std::move(picture));
    objectPictures_.emplace(path, decoded);
    return decoded;
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
