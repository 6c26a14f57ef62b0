#include "petart/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace nuv::art {
namespace {

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

}  // namespace

bool WritePng(const Image& image, const std::string& path, std::string& error) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        error = "out of memory";
        return false;
    }
    std::vector<png_byte> row(size_t(image.width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "cannot write " + path;
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Pixel p = image.At(x, y);
            row[size_t(x) * 3] = RedOf(p);
            row[size_t(x) * 3 + 1] = GreenOf(p);
            row[size_t(x) * 3 + 2] = BlueOf(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

Image ReadPng(const std::string& path, std::string& error) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        error = "cannot read " + path;
        return Image();
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> buffer(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, buffer.data(), 0, nullptr)) {
        error = "cannot decode " + path;
        png_image_free(&png);
        return Image();
    }
    Image image(int(png.width), int(png.height));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const png_byte* p = &buffer[(size_t(y) * png.width + x) * 3];
            image.Set(x, y, MakePixel(p[0], p[1], p[2]));
        }
    }
    return image;
}

}  // namespace nuv::art
