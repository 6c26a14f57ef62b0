#include <algorithm>

#include "formats/BmpPixels.h"

namespace nuv {
namespace {

// Writes run-length encoded pixels into the picture, dropping those outside it. Rows count
// from the bottom, as the file stores them.
class RleCanvas {
  public:
    RleCanvas(const BmpLayout& l, Image& image) : l_(l), image_(image) {}

    bool done() const { return row_ >= l_.height; }
    void Put(int index) {
        if (x_ < l_.width && !done()) image_.Row(l_.height - 1 - row_)[x_] = l_.palette[index];
        x_ = std::min(x_ + 1, l_.width);
    }
    void EndLine() {
        x_ = 0;
        ++row_;
    }
    void Move(int dx, int dy) {
        x_ = std::min(x_ + dx, l_.width);
        row_ += dy;
    }

  private:
    const BmpLayout& l_;
    Image& image_;
    int x_ = 0;
    int row_ = 0;
};

}  // namespace

void UnpackBmpRle(const uint8_t* bits, std::size_t size, const BmpLayout& l, Image& image) {
    const bool four = l.compression == kBmpRle4;
    auto nibble = [four](uint8_t byte, int k) {
        return four ? (k % 2 ? byte & 0x0F : byte >> 4) : byte;
    };
    RleCanvas canvas(l, image);
    std::size_t pos = 0;
    while (pos + 2 <= size && !canvas.done()) {
        const int count = bits[pos], value = bits[pos + 1];
        pos += 2;
        if (count > 0) {  // a run of one value (two alternating nibbles for 4 bits)
            for (int k = 0; k < count; ++k)
                canvas.Put(nibble(uint8_t(value), k));
        } else if (value == 0) {
            canvas.EndLine();
        } else if (value == 1) {
            return;  // end of picture
        } else if (value == 2) {
            if (pos + 2 > size) return;
            canvas.Move(bits[pos], bits[pos + 1]);
            pos += 2;
        } else {  // `value` literal pixels, padded to a 16-bit boundary
            std::size_t bytes = four ? (std::size_t(value) + 1) / 2 : std::size_t(value);
            if (pos + bytes > size) return;
            for (int k = 0; k < value; ++k) {
                canvas.Put(nibble(bits[pos + (four ? k / 2 : k)], k));
            }
            pos += bytes + (bytes & 1);
        }
    }
}

}  // namespace nuv
