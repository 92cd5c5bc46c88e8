#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
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

SDL_Color PixelColour(SDL_Surface* surface, int x, int y) {
    SDL_Color colour = {0, 0, 0, 0};
    if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return colour;
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint8 bytes = surface->format->BytesPerPixel;
    Uint32 pixel = 0;
    if (bytes == 4) {
        pixel = reinterpret_cast<const Uint32*>(row)[x];
    } else if (bytes == 2) {
        pixel = reinterpret_cast<const Uint16*>(row)[x];
    }
    SDL_UnlockSurface(surface);
    SDL_GetRGB(pixel, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

bool operator==(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool operator!=(const SDL_Color& a, const SDL_Color& b) { return !(a == b); }

void PrintTo(const SDL_Color& colour, std::ostream* out) {
    *out << "(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ")";
}

SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b) {
    SDL_Color colour = {r, g, b, 0};
    return colour;
}

void FillSurface(SDL_Surface* surface, SDL_Color colour) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}
