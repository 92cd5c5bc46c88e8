#ifndef TARVELLO_SURFACE_HOLDER_H
#define TARVELLO_SURFACE_HOLDER_H

#include <SDL.h>

#include <string>

#include "SDL_Engine/CountedHandle.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SurfacePtr.h"

// Loads a picture and converts it to the display format with alpha; null on failure.
SurfacePtr LoadDisplayImage(const std::string& path);

// Owns one SDL surface, counted in SurfaceCount, and copies it onto others.
class SurfaceHolder {
  public:
    // Loads the picture at path; raises SDL_Exception with SDL's error when it cannot.
    explicit SurfaceHolder(const std::string& path);
    // Takes over a surface the caller made; a null surface raises SDL_Exception with SDL's error.
    explicit SurfaceHolder(SurfacePtr made);

    SDL_Surface* Get() const { return surface.get(); }

    void DrawOn(SDL_Surface* target, int x, int y) const;
    void DrawOn(SDL_Surface* target, int x, int y, int sx, int sy, int sw, int sh) const;
    void DrawOn(SurfaceHolder* target, int x, int y) const;
    void DrawOn(SurfaceHolder* target, int x, int y, int sx, int sy, int sw, int sh) const;
    void DrawFrom(SDL_Surface* source, int x, int y);
    void DrawFrom(SDL_Surface* source, int x, int y, int sx, int sy, int sw, int sh);
    void DrawFrom(const SurfaceHolder* source, int x, int y);
    void DrawFrom(const SurfaceHolder* source, int x, int y, int sx, int sy, int sw, int sh);

    void SetAlpha(Uint8 alpha);
    // Fills rect (the whole surface when null) with the colour mapped on this surface's format.
    void Fill(SDL_Rect* rect, Uint8 r, Uint8 g, Uint8 b);

  private:
    CountedHandle<SDL_Surface, SurfaceFree, SurfaceCount> surface;
};

#endif
