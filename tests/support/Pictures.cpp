#include "support/Pictures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "SDL_Engine/SurfaceLock.h"
#include "support/Pixels.h"

namespace {
namespace fs = std::filesystem;

const char* const kGoldenFolder = TARVELLO_SOURCE_DIR "/tests/pictures";
const std::size_t kFirstShown = 5;

int Channel(Uint32 colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

int Distance(Uint32 a, Uint32 b) {
    int largest = 0;
    for (int shift : {0, 8, 16})
        largest = std::max(largest, std::abs(Channel(a, shift) - Channel(b, shift)));
    return largest;
}

// Whether the colour is found within the radius of (x, y) in the picture.
bool FoundNear(const Picture& picture, int x, int y, Uint32 colour, const PictureTolerance& t) {
    for (int dy = -t.radius; dy <= t.radius; ++dy) {
        for (int dx = -t.radius; dx <= t.radius; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height) continue;
            if (Distance(picture.At(nx, ny), colour) <= t.levels) return true;
        }
    }
    return false;
}

// A pixel matches when its colours agree in place, or when each is found near it in the other
// picture.
bool Matches(const Picture& expected, const Picture& actual, int x, int y,
             const PictureTolerance& t) {
    const Uint32 e = expected.At(x, y), a = actual.At(x, y);
    if (Distance(e, a) <= t.levels) return true;
    return t.radius > 0 && FoundNear(expected, x, y, a, t) && FoundNear(actual, x, y, e, t);
}

// Each pixel the mean of the square of side pixels around it, the edges repeated outwards.
Picture Blurred(const Picture& picture, int side) {
    if (side <= 1) return picture;
    const int w = picture.width, h = picture.height, r = side / 2;
    Picture blurred = picture;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sums[3] = {0, 0, 0};
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const Uint32 c =
                        picture.At(std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1));
                    for (int k = 0; k < 3; ++k) sums[k] += Channel(c, 8 * k);
                }
            }
            const int n = (2 * r + 1) * (2 * r + 1);
            blurred.colours[static_cast<std::size_t>(y) * w + x] =
                Uint32(sums[2] / n) << 16 | Uint32(sums[1] / n) << 8 | Uint32(sums[0] / n);
        }
    }
    return blurred;
}

std::string Colour(Uint32 colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

// A matching pixel as the difference picture shows it: dimmed to grey.
Uint32 Grey(Uint32 colour) {
    const auto grey = static_cast<Uint32>(
        (Channel(colour, 16) * 3 + Channel(colour, 8) * 6 + Channel(colour, 0)) / 40);
    return grey << 16 | grey << 8 | grey;
}

std::map<std::string, PictureTolerance> ReadTolerances() {
    std::map<std::string, PictureTolerance> table;
    std::ifstream in(std::string(kGoldenFolder) + "/tolerances.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string name;
        PictureTolerance t;
        if (line.empty() || line[0] == '#') continue;
        if (fields >> name >> t.blur >> t.levels >> t.radius >> t.strayPixels) table[name] = t;
    }
    return table;
}

// 8-bit RGB PNG files; reading gives an empty picture when the file is missing or broken.
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
}  // namespace

void AddPictureStatistics(const std::string& name, const Picture& expected, const Picture& actual) {
    const char* file = std::getenv("TARVELLO_PICTURE_STATS");
    if (!file || expected.width != actual.width || expected.height != actual.height) return;
    std::ofstream out(file, std::ios::app);
    out << name << " largest=" << Compare(expected, actual, {}).largest;
    const PictureTolerance tried[] = {{1, 8, 0, 0},  {1, 8, 1, 0},  {5, 16, 0, 0},
                                      {5, 16, 1, 0}, {3, 24, 1, 0}, {1, 32, 3, 0},
                                      {1, 48, 3, 0}, {1, 64, 2, 0}, {1, 64, 3, 0}};
    for (const PictureTolerance& t : tried) {
        out << " B" << t.blur << "L" << t.levels << "R" << t.radius << '='
            << Compare(expected, actual, t).unmatched;
    }
    out << '\n';
}

PictureTolerance ToleranceOf(const std::string& name) {
    static const std::map<std::string, PictureTolerance> table = ReadTolerances();
    const auto exact = table.find(name);
    if (exact != table.end()) return exact->second;
    for (std::size_t length = name.size() + 1; length-- > 0;) {
        const auto covering = table.find(name.substr(0, length) + "*");
        if (covering != table.end()) return covering->second;
    }
    return {};
}

Picture Capture(SDL_Surface* surface) {
    Picture picture;
    picture.width = surface->w;
    picture.height = surface->h;
    picture.colours.reserve(static_cast<std::size_t>(surface->w) * surface->h);
    const SurfaceLock lock(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) picture.colours.push_back(ColourAt(surface, x, y));
    }
    return picture;
}

std::string PictureDifference::Describe() const {
    if (sizesDiffer) return "the sizes differ";
    std::ostringstream out;
    out << unmatched << " pixels match nothing within " << tolerance.levels << " levels and "
        << tolerance.radius << " pixels, blurred over " << tolerance.blur << " (at most "
        << tolerance.strayPixels << " may); the largest difference in place is " << largest;
    for (const Pixel& p : first) {
        out << "\n  at (" << p.x << ", " << p.y << ") expected " << Colour(p.expected) << ", now "
            << Colour(p.actual);
    }
    return out.str();
}

PictureDifference Compare(const Picture& expected, const Picture& actual,
                          const PictureTolerance& tolerance) {
    PictureDifference difference;
    difference.tolerance = tolerance;
    if (expected.width != actual.width || expected.height != actual.height) {
        difference.sizesDiffer = true;
        return difference;
    }
    const Picture blurredExpected = Blurred(expected, tolerance.blur);
    const Picture blurredActual = Blurred(actual, tolerance.blur);
    difference.shown = expected;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const Uint32 e = expected.At(x, y), a = actual.At(x, y);
            difference.largest = std::max(difference.largest, Distance(e, a));
            Uint32& shown =
                difference.shown.colours[static_cast<std::size_t>(y) * expected.width + x];
            const bool matches = Matches(blurredExpected, blurredActual, x, y, tolerance);
            shown = !matches ? 0xFF0000 : e != a ? 0x0060FF : Grey(e);
            if (matches) continue;
            ++difference.unmatched;
            if (difference.first.size() < kFirstShown) difference.first.push_back({x, y, e, a});
        }
    }
    return difference;
}

Picture Golden(const std::string& name) {
    return ReadPng(std::string(kGoldenFolder) + "/" + name + ".png");
}

Picture ReadPicture(const std::string& path) { return ReadPng(path); }

void ExpectPicture(const std::string& name, const Picture& picture) {
    const std::string golden = std::string(kGoldenFolder) + "/" + name + ".png";
    if (std::getenv("TARVELLO_RECORD")) {
        EXPECT_TRUE(WritePng(golden, picture)) << "could not write " << golden;
        return;
    }
    const Picture expected = ReadPng(golden);
    AddPictureStatistics(name, expected, picture);
    PictureDifference difference;
    if (expected.colours.empty()) {
        difference.sizesDiffer = true;
    } else {
        difference = Compare(expected, picture, ToleranceOf(name));
        if (difference.Tolerated()) return;
    }
    const fs::path folder = fs::absolute("failed-pictures");
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string stem = (folder / name).string();
    WritePng(stem + ".actual.png", picture);
    if (!expected.colours.empty()) {
        WritePng(stem + ".expected.png", expected);
        if (!difference.sizesDiffer) WritePng(stem + ".difference.png", difference.shown);
    }
    ADD_FAILURE() << name << ": "
                  << (expected.colours.empty() ? "no golden picture " + golden
                                               : difference.Describe())
                  << "\n  pictures: " << stem << ".{actual,expected,difference}.png";
}
