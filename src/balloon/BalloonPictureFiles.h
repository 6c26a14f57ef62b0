#pragma once
#include <map>

#include "balloon/BalloonPictures.h"

namespace nuv {

class IFileSystem;

// The balloon's pictures from the pet's files: BCF object pictures, bitmap files of picture
// tags, and colour-key shapes. An object picture is decoded once and kept for the next
// balloons of the pet; one that cannot be read is tried (and logged) again.
class CBalloonPictureFiles : public IBalloonPictures {
  public:
    explicit CBalloonPictureFiles(IFileSystem& files) : files_(files) {}
    std::shared_ptr<const Image> LoadObjectPicture(const std::string& path) override;
    Image LoadBitmapFile(const std::string& path) override;
    std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) override;

  private:
    IFileSystem& files_;
    std::map<std::string, std::shared_ptr<const Image>> objectPictures_;
};

}  // namespace nuv
