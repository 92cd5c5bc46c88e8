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

// How far two pictures are apart: the pixels whose colours differ by more than the tolerance's
// levels in some channel, and the first few of them.
struct PictureDifference {
    struct Pixel {
        int x = 0, y = 0;
        Uint32 expected = 0, actual = 0;
    };
    bool sizesDiffer = false;
    int beyond = 0;   // pixels differing by more than the tolerance's levels
    int largest = 0;  // the largest difference of one channel anywhere
    std::vector<Pixel> first;

    // Within the tolerance: no pixel further off than its levels, but for a few strays.
    bool Tolerated() const;
    std::string Describe() const;
};

// The tolerance every picture is compared with, the same on every SDL.
struct PictureTolerance {
    int levels;       // a channel may differ by this much anywhere
    int strayPixels;  // pixels that may differ by more
};
extern const PictureTolerance kPictureTolerance;

PictureDifference Compare(const Picture& expected, const Picture& actual);

// The golden picture kept as tests/pictures/<name>.png; empty when there is none.
Picture Golden(const std::string& name);

// Compares the picture with its golden one under kPictureTolerance. A failure names the first
// differing pixels with their colours and writes the actual, expected and difference pictures
// into failed-pictures/ in the working folder (the build folder, under CTest). With
// TARVELLO_RECORD=1 it writes the golden picture instead of comparing.
void ExpectPicture(const std::string& name, const Picture& picture);

// Pictures as PNG files, 8-bit RGB; reading gives an empty picture when the file is missing or
// broken.
Picture ReadPng(const std::string& path);
bool WritePng(const std::string& path, const Picture& picture);

#endif
