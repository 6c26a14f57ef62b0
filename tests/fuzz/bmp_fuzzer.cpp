// Bitmap files, on their own and as the bitmap part of a BCF picture.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Log.h"
#include "formats/BcfImage.h"
#include "formats/BmpDecoder.h"
#include "formats/BmpLayout.h"
#include "fuzz/FuzzFiles.h"

namespace {

// Run-length pictures need no data for their size: keep the ones decoded here small.
constexpr int64_t kMaxPixels = 512 * 512;

const char kPath[] = ".\\PETS\\FUZZ.BCF";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    nuv::BmpLayout layout;
    if (nuv::ReadBmpLayout(bytes, nuv::kMaxBmpSide, &layout, nullptr) &&
        int64_t(layout.width) * layout.height > kMaxPixels) {
        return 0;
    }
    std::optional<nuv::Image> image = nuv::DecodeBmp(bytes);
    if (image && (image->width() <= 0 || image->height() <= 0 ||
                  image->pixels().size() != size_t(image->width()) * image->height())) {
        __builtin_trap();
    }
    nuv::fuzz::InputFiles().Put(kPath, std::string(nuv::kBcfLeadSize, '\0').append(bytes));
    nuv::Image loaded = nuv::LoadBCFImage(nuv::fuzz::InputFiles(), kPath);
    if (image ? !(loaded == *image) : !loaded.empty()) __builtin_trap();
    return 0;
}
