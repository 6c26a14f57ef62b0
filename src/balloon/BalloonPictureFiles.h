#pragma once
#include "balloon/BalloonPictures.h"

namespace nuv {

class IFileSystem;

// The balloon's pictures from the pet's files: BCF object pictures, bitmap files of picture
// tags, and colour-key shapes.
class CBalloonPictureFiles : public IBalloonPictures {
  public:
    explicit CBalloonPictureFiles(IFileSystem& files) : files_(files) {}
    Image LoadObjectPicture(const std::string& path) override;
    Image LoadBitmapFile(const std::string& path) override;
    std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) override;

  private:
    IFileSystem& files_;
};

}  // namespace nuv
