#pragma once
// Turning the stored pixel bits of a bitmap into pixels; the layout has been checked.

#include <cstdint>

#include "formats/BmpLayout.h"
#include "formats/Image.h"

namespace nuv {

// Rows without compression; `bits` holds at least what ReadBmpLayout asked for.
void UnpackBmpRows(const uint8_t* bits, const BmpLayout& layout, Image& image);

// Run-length encoded rows (4 or 8 bits). Decoding ends at the end-of-picture mark or where the
// data ends; pixels the runs never reach keep the first colour of the table.
void UnpackBmpRle(const uint8_t* bits, std::size_t size, const BmpLayout& layout, Image& image);

}  // namespace nuv
