#pragma once
// BCF pictures: a 1024-byte leading block, not interpreted, followed by a complete Windows
// bitmap file. The bitmap part is decoded in memory; nothing is written beside the file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/Image.h"

namespace nuv {

class IFileSystem;

constexpr std::size_t kBcfLeadSize = 1024;
// The code logged when the bitmap part is not a picture the decoder accepts
// (ERROR_INVALID_DATA).
constexpr uint32_t kBadBitmapError = 13;

// The picture of the BCF file at `path`; an empty image, with one log line, when the file
// cannot be read or its bitmap part is not a valid picture. The log names the bitmap by the
// path with its extension replaced by ".BMP".
Image LoadBCFImage(IFileSystem& files, const std::string& path);

}  // namespace nuv
