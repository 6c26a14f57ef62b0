#pragma once
// PNG files of pictures, through libpng.

#include <optional>
#include <string>
#include <string_view>

#include "formats/Image.h"

namespace nuv::tool {

// An 8-bit RGB PNG file of `image`; empty when libpng fails.
std::string EncodePng(const Image& image);
// The picture of a PNG file of any colour type (alpha is dropped); nothing when it is not one.
std::optional<Image> DecodePng(std::string_view file, std::string* reason = nullptr);

}  // namespace nuv::tool
