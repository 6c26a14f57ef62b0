#include "pettool/PngIo.h"

#include <png.h>

#include <algorithm>
#include <vector>

namespace nuv::tool {
namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

}  // namespace

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


namespace {

struct PngReader {
    std::string_view file;
    std::size_t offset = 0;
};

void ReadFromView(png_structp png, png_bytep data, png_size_t length) {
    auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
    if (reader->offset + length > reader->file.size()) png_error(png, "file cut short");
    std::copy_n(reader->file.data() + reader->offset, length, data);
    reader->offset += length;
}

}  // namespace

std::optional<Image> DecodePng(std::string_view file, std::string* reason) {
    auto fail = [reason](const char* why) {
        if (reason) *reason = why;
        return std::nullopt;
    };
    if (file.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(file.data()), 0, 8)) {
        return fail("not a PNG file");
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return fail("out of memory");
    }
    PngReader reader{file, 0};
    // Everything libpng may jump over lives outside the jump.
    Image image;
    std::vector<std::vector<png_byte>> rows;
    std::vector<png_bytep> pointers;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return fail("damaged PNG file");
    }
    png_set_read_fn(png, &reader, ReadFromView);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > 16384 || height > 16384) {
        png_destroy_read_struct(&png, &info, nullptr);
        return fail("picture size out of range");
    }
    image = Image(int(width), int(height));
    rows.assign(height, std::vector<png_byte>(png_get_rowbytes(png, info)));
    for (auto& r : rows) pointers.push_back(r.data());
    png_read_image(png, pointers.data());
    png_destroy_read_struct(&png, &info, nullptr);
    for (int y = 0; y < int(height); ++y) {
        for (int x = 0; x < int(width); ++x) {
            const png_byte* p = rows[y].data() + 3 * x;
            image.Set(x, y, MakePixel(p[0], p[1], p[2]));
        }
    }
    return image;
}

}  // namespace nuv::tool
