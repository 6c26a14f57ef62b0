// pettool topng: the picture of a BCF file as an 8-bit RGB PNG file.

#include <png.h>

#include <cstdio>
#include <vector>

#include "pettool/Commands.h"
#include "pettool/JsonOutput.h"
#include "store/BcfImage.h"
#include "store/FileSystem.h"
#include "store/Log.h"

namespace nuv::tool {
namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

// The PNG file of `image`; empty when libpng fails.
std::string EncodePng(const Image& image) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    std::vector<png_byte> row(std::size_t(image.width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendToString, nullptr);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const Pixel* pixels = image.Row(y);
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = RedOf(pixels[x]);
            row[3 * x + 1] = GreenOf(pixels[x]);
            row[3 * x + 2] = BlueOf(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

int RunTopng(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: pettool topng FILE.BCF OUT.png\n", stderr);
        return 2;
    }
    if (!Files().FileExists(args[0])) {
        std::fprintf(stderr, "pettool: %s does not exist\n", args[0].c_str());
        return 2;
    }
    LogCapture log;
    Image image = LoadBCFImage(args[0]);
    for (const std::string& message : log.messages()) {
        std::fprintf(stderr, "%s\n", Utf8(message).c_str());
    }
    if (image.empty()) return 1;
    std::string png = EncodePng(image);
    FileWriteResult written =
        png.empty() ? FileWriteResult() : Files().WriteFile(args[1], png, false);
    if (!written.ok()) {
        std::fprintf(stderr, "pettool: cannot write %s (error %u)\n", args[1].c_str(),
                     written.error);
        return 1;
    }
    return 0;
}

}  // namespace nuv::tool
