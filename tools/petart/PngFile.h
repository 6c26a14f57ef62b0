#pragma once
// PNG files of pictures (8-bit RGB, no transparency: pure green stands for it).

#include <string>

#include "formats/Image.h"

namespace nuv::art {

// Writes the picture; on failure returns false and says why in `error`.
bool WritePng(const Image& image, const std::string& path, std::string& error);
// Reads an 8-bit RGB or RGBA PNG (alpha is dropped); an empty picture on failure.
Image ReadPng(const std::string& path, std::string& error);

}  // namespace nuv::art
