#include "ImageFiles.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "Canvas.h"

namespace ImageFiles {

namespace {
using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File OpenForWriting(const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) throw std::runtime_error("cannot write " + path);
    return file;
}

// libpng reports an error by a longjmp back into this function, which would skip the destructor
// of any object made after the setjmp: so nothing here has one, and the caller owns the pixels.
bool EncodePng(FILE* file, const uint8_t* pixels, int width, int height) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, &pixels[static_cast<size_t>(y) * width * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
}  // namespace

void WritePng(const Canvas& canvas, const std::string& path) {
    File file = OpenForWriting(path);
    const std::vector<uint8_t> pixels = canvas.Rgba();
    if (!EncodePng(file.get(), pixels.data(), canvas.Width(), canvas.Height()))
        throw std::runtime_error("cannot encode " + path);
}

void WriteJpeg(const Canvas& canvas, const std::string& path, int quality) {
    File file = OpenForWriting(path);
    jpeg_compress_struct jpeg;
    jpeg_error_mgr errors;
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    jpeg_stdio_dest(&jpeg, file.get());
    jpeg.image_width = canvas.Width();
    jpeg.image_height = canvas.Height();
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg.optimize_coding = TRUE;
    jpeg_start_compress(&jpeg, TRUE);
    std::vector<uint8_t> pixels = canvas.Rgb();
    while (jpeg.next_scanline < jpeg.image_height) {
        JSAMPROW row = &pixels[static_cast<size_t>(jpeg.next_scanline) * canvas.Width() * 3];
        jpeg_write_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_compress(&jpeg);
    jpeg_destroy_compress(&jpeg);
}

}  // namespace ImageFiles
