#include "support/Pictures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SDL_Engine/Drawing.h"

// Classic SDL 1.2 and sdl12-compat (over SDL 2 or SDL 3) round their blends differently, and
// each release decodes the splash pictures and draws the lettering with its own libraries: the
// same frame differs between them by a few levels in some pixels. Measured over the same frames
// on every SDL the tests run on; a piece a square off, a missing widget, one letter or a die face
// changes hundreds of pixels by far more.
const PictureTolerance kPictureTolerance = {8, 0};

namespace {
namespace fs = std::filesystem;

const char* const kGoldenFolder = TARVELLO_SOURCE_DIR "/tests/pictures";
const int kFirstShown = 5;

int Channel(Uint32 colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

int Distance(Uint32 a, Uint32 b) {
    int largest = 0;
    for (int shift : {0, 8, 16})
        largest = std::max(largest, std::abs(Channel(a, shift) - Channel(b, shift)));
    return largest;
}

std::string Colour(Uint32 colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

// The expected picture dimmed to grey, with the pixels beyond the tolerance in red and those
// within it but not equal in blue.
Picture DifferencePicture(const Picture& expected, const Picture& actual) {
    Picture difference = expected;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const Uint32 e = expected.At(x, y);
            const int distance = Distance(e, actual.At(x, y));
            const Uint32 grey =
                static_cast<Uint32>((Channel(e, 16) * 3 + Channel(e, 8) * 6 + Channel(e, 0)) / 40);
            Uint32& shown = difference.colours[static_cast<std::size_t>(y) * expected.width + x];
            shown = distance > kPictureTolerance.levels ? 0xFF0000
                    : distance > 0                      ? 0x0060FF
                                                        : grey << 16 | grey << 8 | grey;
        }
    }
    return difference;
}

// With TARVELLO_PICTURE_STATS naming a file, every comparison adds a line to it: how many pixels
// differ by more than 0, 1, 2, 4 ... 128 levels, and the largest difference. That is how the
// tolerance was measured.
void AddStatistics(const std::string& name, const Picture& expected, const Picture& actual) {
    const char* file = std::getenv("TARVELLO_PICTURE_STATS");
    if (!file || expected.width != actual.width || expected.height != actual.height) return;
    const int limits[] = {0, 1, 2, 4, 8, 16, 32, 64, 128};
    int counts[9] = {}, largest = 0;
    for (std::size_t i = 0; i < expected.colours.size(); ++i) {
        const int distance = Distance(expected.colours[i], actual.colours[i]);
        largest = std::max(largest, distance);
        for (int k = 0; k < 9; ++k) counts[k] += distance > limits[k];
    }
    std::ofstream out(file, std::ios::app);
    out << name << " largest=" << largest;
    for (int k = 0; k < 9; ++k) out << " >" << limits[k] << '=' << counts[k];
    out << '\n';
}
}  // namespace

Picture Capture(SDL_Surface* surface) {
    Picture picture;
    picture.width = surface->w;
    picture.height = surface->h;
    picture.colours.reserve(static_cast<std::size_t>(surface->w) * surface->h);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const Uint32 value = GetPixel(surface, x, y);
            Uint8 r = 0, g = 0, b = 0;
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            picture.colours.push_back(Uint32(r) << 16 | Uint32(g) << 8 | b);
        }
    }
    SDL_UnlockSurface(surface);
    return picture;
}

bool PictureDifference::Tolerated() const {
    return !sizesDiffer && beyond <= kPictureTolerance.strayPixels;
}

std::string PictureDifference::Describe() const {
    if (sizesDiffer) return "the sizes differ";
    std::ostringstream out;
    out << beyond << " pixels differ by more than " << kPictureTolerance.levels
        << " levels (at most " << kPictureTolerance.strayPixels << " may), the largest by "
        << largest;
    for (const Pixel& p : first) {
        out << "\n  at (" << p.x << ", " << p.y << ") expected " << Colour(p.expected) << ", now "
            << Colour(p.actual);
    }
    return out.str();
}

PictureDifference Compare(const Picture& expected, const Picture& actual) {
    PictureDifference difference;
    if (expected.width != actual.width || expected.height != actual.height) {
        difference.sizesDiffer = true;
        return difference;
    }
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const Uint32 e = expected.At(x, y), a = actual.At(x, y);
            const int distance = Distance(e, a);
            difference.largest = std::max(difference.largest, distance);
            if (distance <= kPictureTolerance.levels) continue;
            ++difference.beyond;
            if (difference.first.size() < kFirstShown) difference.first.push_back({x, y, e, a});
        }
    }
    return difference;
}

Picture Golden(const std::string& name) {
    return ReadPng(std::string(kGoldenFolder) + "/" + name + ".png");
}

void ExpectPicture(const std::string& name, const Picture& picture) {
    const std::string golden = std::string(kGoldenFolder) + "/" + name + ".png";
    if (std::getenv("TARVELLO_RECORD")) {
        EXPECT_TRUE(WritePng(golden, picture)) << "could not write " << golden;
        return;
    }
    const Picture expected = ReadPng(golden);
    AddStatistics(name, expected, picture);
    PictureDifference difference;
    if (expected.colours.empty()) {
        difference.sizesDiffer = true;
    } else {
        difference = Compare(expected, picture);
        if (difference.Tolerated()) return;
    }
    const fs::path folder = fs::absolute("failed-pictures");
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string stem = (folder / name).string();
    WritePng(stem + ".actual.png", picture);
    if (!expected.colours.empty()) {
        WritePng(stem + ".expected.png", expected);
        if (!difference.sizesDiffer)
            WritePng(stem + ".difference.png", DifferencePicture(expected, picture));
    }
    ADD_FAILURE() << name << ": "
                  << (expected.colours.empty() ? "no golden picture " + golden
                                               : difference.Describe())
                  << "\n  pictures: " << stem << ".{actual,expected,difference}.png";
}

Picture ReadPng(const std::string& path) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    Picture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.colours.reserve(bytes.size() / 3);
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        picture.colours.push_back(Uint32(bytes[i]) << 16 | Uint32(bytes[i + 1]) << 8 |
                                  bytes[i + 2]);
    return picture;
}

bool WritePng(const std::string& path, const Picture& picture) {
    std::vector<png_byte> bytes;
    bytes.reserve(picture.colours.size() * 3);
    for (Uint32 colour : picture.colours) {
        bytes.push_back(static_cast<png_byte>(colour >> 16));
        bytes.push_back(static_cast<png_byte>(colour >> 8));
        bytes.push_back(static_cast<png_byte>(colour));
    }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
}
