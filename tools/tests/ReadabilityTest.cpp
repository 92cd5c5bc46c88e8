// The pieces and the backdrop as players see them: pieces told apart by people who see colours
// differently, and the piece counters readable on the backdrop in every corner. That the
// backdrop wraps without a seam, the tunnel's recorded frames show.
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "game/DataFiles.h"
#include "support/SdlSession.h"

namespace {

using Rgb = std::array<double, 3>;
const std::string kData = TARVELLO_DATA_DIR;
const char* const kPieces[4] = {"Green", "Red", "Blue", "Yellow"};

std::vector<unsigned char> ReadRgba(const std::string& path, unsigned width) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    std::vector<unsigned char> rgba(width * width * 4);
    EXPECT_TRUE(png_image_begin_read_from_file(&image, path.c_str()) && image.width == width &&
                image.height == width)
        << path;
    image.format = PNG_FORMAT_RGBA;
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) << path;
    return rgba;
}

double Linear(double byte) {
    double v = byte / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(const Rgb& c) {
    return 0.2126 * Linear(c[0]) + 0.7152 * Linear(c[1]) + 0.0722 * Linear(c[2]);
}

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Full colour vision, then protanopia, deuteranopia and tritanopia at severity 1 (Machado,
// Oliveira and Fernandes, 2009), on linear RGB.
const double kVisions[4][9] = {
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
    {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
    {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}};
const char* const kVisionNames[4] = {"full colour vision", "protanopia", "deuteranopia",
                                     "tritanopia"};

// CIE L*a*b* (D65) of a colour as seen with the given vision.
Rgb Lab(const Rgb& srgb, const double* m) {
    Rgb lin, seen;
    for (int k = 0; k < 3; ++k) lin[k] = Linear(srgb[k]);
    for (int k = 0; k < 3; ++k)
        seen[k] =
            std::clamp(m[3 * k] * lin[0] + m[3 * k + 1] * lin[1] + m[3 * k + 2] * lin[2], 0.0, 1.0);
    const double xyz[3] = {(0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047,
                           0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2],
                           (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883};
    double f[3];
    for (int k = 0; k < 3; ++k)
        f[k] = xyz[k] > 0.008856 ? std::cbrt(xyz[k]) : 7.787 * xyz[k] + 16.0 / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

struct Piece {
    std::vector<unsigned char> rgba;
    bool Opaque(int i) const { return rgba[4 * i + 3] == 255; }
    Rgb Colour(int i) const {
        return {1.0 * rgba[4 * i], 1.0 * rgba[4 * i + 1], 1.0 * rgba[4 * i + 2]};
    }
};

Piece LoadPiece(int colour) {
    return {ReadRgba(kData + "/gfx/" + kPieces[colour] + "Piece.png", 31)};
}

// The mean colour of the piece's opaque pixels.
Rgb MeanColour(const Piece& piece) {
    Rgb sum = {0, 0, 0};
    int count = 0;
    for (int i = 0; i < 31 * 31; ++i) {
        if (!piece.Opaque(i)) continue;
        for (int k = 0; k < 3; ++k) sum[k] += piece.Colour(i)[k];
        ++count;
    }
    for (double& v : sum) v /= std::max(count, 1);
    return sum;
}

// Which opaque pixels are lighter than the piece's own mean grey: its pattern of light and dark,
// whatever its colour.
std::vector<int> LightPattern(const Piece& piece) {
    std::vector<double> grey(31 * 31, -1);
    double sum = 0;
    int count = 0;
    for (int i = 0; i < 31 * 31; ++i) {
        if (!piece.Opaque(i)) continue;
        grey[i] = Luminance(piece.Colour(i));
        sum += grey[i], ++count;
    }
    std::vector<int> pattern(31 * 31, -1);
    for (int i = 0; i < 31 * 31; ++i)
        if (grey[i] >= 0) pattern[i] = grey[i] > sum / count;
    return pattern;
}

TEST(Pieces, EveryPairStaysApartUnderEachColourBlindnessAndInItsEmblemAlone) {
    Piece pieces[4] = {LoadPiece(0), LoadPiece(1), LoadPiece(2), LoadPiece(3)};
    for (int v = 0; v < 4; ++v)
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                Rgb p = Lab(MeanColour(pieces[a]), kVisions[v]),
                    q = Lab(MeanColour(pieces[b]), kVisions[v]);
                double delta = std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
                EXPECT_GE(delta, 20.0)
                    << kPieces[a] << "-" << kPieces[b] << ", " << kVisionNames[v];
            }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            std::vector<int> p = LightPattern(pieces[a]), q = LightPattern(pieces[b]);
            int both = 0, differ = 0;
            for (int i = 0; i < 31 * 31; ++i) {
                if (p[i] < 0 || q[i] < 0) continue;
                ++both;
                differ += p[i] != q[i];
            }
            EXPECT_GE(differ, both / 8)
                << kPieces[a] << "-" << kPieces[b] << ": " << differ << " of " << both << " pixels";
        }
}

// The counters stand beside the board's first position, in the seat colours and the game's font
// at 24 points. What the eye sees around and between the letters is the mean of the backdrop's
// pixels in the text's box that no letter covers.
TEST(Backdrop, EveryCountStandsOutAtLeastThreeToOneInItsSeatsCorner) {
    SdlSession sdl;
    TTF_Font* font = TTF_OpenFont(DataFiles::kTitleFont, 24);
    ASSERT_TRUE(font) << TTF_GetError();
    const std::vector<unsigned char> backdrop = ReadRgba(kData + "/gfx/background.png", 600);
    const Rgb seats[4] = {{0, 255, 64}, {255, 50, 50}, {0, 128, 255}, {255, 255, 0}};
    for (int seat = 0; seat < 4; ++seat)
        for (int count = 4; count >= 0; --count) {
            const std::string text = std::to_string(count) + "x";
            SDL_Surface* letters = TTF_RenderText_Blended(font, text.c_str(), {255, 255, 255, 0});
            ASSERT_TRUE(letters) << TTF_GetError();
            const int height = TTF_FontLineSkip(font);
            const int x = seat == 1 || seat == 2 ? 590 - letters->w : 10;
            const int y = seat == 2 || seat == 3 ? 501 - height : 10;
            Rgb sum = {0, 0, 0};
            int uncovered = 0;
            for (int j = 0; j < height; ++j)
                for (int i = 0; i < letters->w; ++i) {
                    Uint8 r, g, b, alpha = 0;
                    if (j < letters->h)
                        SDL_GetRGBA(
                            static_cast<Uint32*>(letters->pixels)[j * letters->pitch / 4 + i],
                            letters->format, &r, &g, &b, &alpha);
                    if (alpha) continue;
                    for (int k = 0; k < 3; ++k) sum[k] += backdrop[((y + j) * 600 + x + i) * 4 + k];
                    ++uncovered;
                }
            SDL_FreeSurface(letters);
            for (double& v : sum) v /= uncovered;
            EXPECT_GE(Contrast(Luminance(seats[seat]), Luminance(sum)), 3.0)
                << "seat " << seat << " showing " << text;
        }
    TTF_CloseFont(font);
}

}  // namespace
