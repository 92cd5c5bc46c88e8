#ifndef TARVELLO_TESTS_PICTURES_H
#define TARVELLO_TESTS_PICTURES_H

#include <SDL.h>

#include <string>
#include <vector>

// What a player sees of a surface: its colours, 0xRRGGBB row by row. Bits a pixel format leaves
// unused are not part of it.
struct Picture {
    int width = 0, height = 0;
    std::vector<Uint32> colours;

    Uint32 At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
};

Picture Capture(SDL_Surface* surface);

// How far to tell two pictures apart. Each release draws lettering with its own FreeType, whose
// hinting moves a glyph's edges by a pixel and its shades a long way, and whose advances shift
// centred lines by a few pixels. So both pictures may first be blurred (each pixel the mean of the
// square of blur by blur pixels around it), which spreads a glyph's ink as an eye does; and a
// pixel also matches when its colour is found within the radius in the other picture, both ways.
struct PictureTolerance {
    int blur = 1;         // the side of the square averaged, in pixels (1: as drawn)
    int levels = 0;       // a channel may differ by this much
    int radius = 0;       // how far a matching colour may lie, in pixels
    int strayPixels = 0;  // pixels that may match nothing
};

// The tolerance of the golden picture of that name, from tests/pictures/tolerances.txt: "name
// blur levels radius strays" a line, measured across the SDLs the tests run on. A name ending in
// "*" covers every picture whose name starts with what is before it; the longest such line wins.
PictureTolerance ToleranceOf(const std::string& name);

// How far two pictures are apart: the pixels that match nothing under the tolerance, and the
// first few of them.
struct PictureDifference {
    struct Pixel {
        int x = 0, y = 0;
        Uint32 expected = 0, actual = 0;
    };
    PictureTolerance tolerance;
    bool sizesDiffer = false;
    int unmatched = 0;  // pixels matching nothing within the tolerance
    int largest = 0;    // the largest difference of one channel anywhere, in place
    std::vector<Pixel> first;
    // The expected picture dimmed to grey, with the pixels that match nothing in red and those
    // that match only within the tolerance in blue.
    Picture shown;

    bool Tolerated() const { return !sizesDiffer && unmatched <= tolerance.strayPixels; }
    std::string Describe() const;
};

PictureDifference Compare(const Picture& expected, const Picture& actual,
                          const PictureTolerance& tolerance);

// The golden picture kept as tests/pictures/<name>.png; empty when there is none.
Picture Golden(const std::string& name);

// A picture from a PNG file (a screenshot taken elsewhere); empty when it cannot be read.
Picture ReadPicture(const std::string& path);

// Compares the picture with its golden one under its tolerance. A failure names the first
// differing pixels with their colours and writes the actual, expected and difference pictures
// into failed-pictures/ in the working folder (the build folder, under CTest). With
// TARVELLO_RECORD=1 it writes the golden picture instead of comparing.
void ExpectPicture(const std::string& name, const Picture& picture);

// With TARVELLO_PICTURE_STATS naming a file, adds a line to it: the largest difference in place
// and how many pixels match nothing under a range of tolerances. ExpectPicture adds one for every
// comparison; it is how the tolerances were measured.
void AddPictureStatistics(const std::string& name, const Picture& expected, const Picture& actual);

#endif
