#ifndef TARVELLO_TESTS_TEST_PICTURES_H
#define TARVELLO_TESTS_TEST_PICTURES_H

#include <SDL.h>

#include <string>
#include <vector>

// Writes a BMP of frames laid side by side, frame i filled with colours[i], into the test's
// temporary folder, and returns its path. The name is made unique per process.
std::string MakeFramePicture(const std::string& name, int frameWidth, int frameHeight,
                             const std::vector<SDL_Color>& colours);

SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b);
void FillSurface(SDL_Surface* surface, SDL_Color colour);

#endif
