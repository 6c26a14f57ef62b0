#pragma once
#include "balloon/BalloonPictures.h"

namespace nuv {

// The balloon's pictures from the pet's files: BCF object pictures, bitmap files of picture
// tags, and colour-key shapes.
class CBalloonPictureFiles : public IBalloonPictures {
  public:
    Image LoadObjectPicture(const std::string& path) override;
    Image LoadBitmapFile(const std::string& path) override;
    std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) override;
};

}  // namespace nuv
