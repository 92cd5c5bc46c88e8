#ifndef TARVELLO_SURFACE_PTR_H
#define TARVELLO_SURFACE_PTR_H

#include <SDL.h>

#include <memory>

// Frees a surface when its owner goes.
struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

// The owner of a surface that no live counter counts: what the drawing functions make, a texture,
// a picture before a SurfaceHolder takes it. Move-only; null when nothing was made.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

#endif
