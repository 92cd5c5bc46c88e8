#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>

std::string MakeFramePicture(const std::string& name, int frameWidth, int frameHeight,
                             const std::vector<SDL_Color>& colours) {
    const int frames = static_cast<int>(colours.size());
    SDL_Surface* picture = SDL_CreateRGBSurface(0, frameWidth * frames, frameHeight, 32, 0xFF0000,
                                                0x00FF00, 0x0000FF, 0);
    if (!picture) throw std::runtime_error(SDL_GetError());
    for (int i = 0; i < frames; ++i) {
        SDL_Rect frame = {static_cast<Sint16>(i * frameWidth), 0, static_cast<Uint16>(frameWidth),
                          static_cast<Uint16>(frameHeight)};
        SDL_FillRect(picture, &frame,
                     SDL_MapRGB(picture->format, colours[i].r, colours[i].g, colours[i].b));
    }
    const std::string path =
        testing::TempDir() + name + "-" + std::to_string(static_cast<long>(getpid())) + ".bmp";
    const int saved = SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
    if (saved != 0) throw std::runtime_error(SDL_GetError());
    return path;
}

SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b) {
    SDL_Color colour = {r, g, b, 0};
    return colour;
}

void FillSurface(SDL_Surface* surface, SDL_Color colour) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}
