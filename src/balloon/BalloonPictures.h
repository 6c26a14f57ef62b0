#pragma once
// The picture services a speech balloon needs. The program wires them to the BCF loader, the
// BMP decoder and the colour-key shape of the shape module; tests give small fakes.

#include <memory>
#include <string>
#include <vector>

#include "formats/Image.h"

namespace nuv {

class IBalloonPictures {
  public:
    virtual ~IBalloonPictures() = default;
    // The pet's object picture (a BCF file); null when it cannot be read or decoded.
    virtual std::shared_ptr<const Image> LoadObjectPicture(const std::string& path) = 0;
    // A picture of a picture tag (a Windows bitmap file); empty when it cannot be read or
    // decoded.
    virtual Image LoadBitmapFile(const std::string& path) = 0;
    // The pixels of `picture` whose colour is not `transparent`, as y-banded rectangles.
    virtual std::vector<Rect> MakeShape(const Image& picture, Pixel transparent) = 0;
};

}  // namespace nuv
