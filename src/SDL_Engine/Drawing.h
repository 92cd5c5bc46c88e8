#ifndef TARVELLO_DRAWING_H
#define TARVELLO_DRAWING_H

#include <SDL.h>

#include "SDL_Engine/SurfacePtr.h"

// Free drawing functions on plain SDL surfaces. SDL failures print SDL's error on stderr and go on.

// SDL_Rect fields are 16-bit, so positions and sizes are cut to 16 bits on the way in.
SDL_Rect MakeRect(int x, int y, int w, int h);

void BlitSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y);
void BlitSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y, int sx, int sy,
                 int sw, int sh);

// How a new surface lays out its pixels: as the screen does, or in 32 bits as 0x00RRGGBB
// whatever the screen's format.
enum class PixelLayout { LikeScreen, Rgb32 };

// The one way a surface is made: width by height, in the layout asked for. Null for a negative
// size, for the screen's layout before the video mode is set, and when SDL has no memory.
SurfacePtr CreateSurface(int width, int height, Uint32 flags = 0,
                         PixelLayout layout = PixelLayout::LikeScreen);
SurfacePtr CreateFilledSurface(int width, int height, Uint8 r, Uint8 g, Uint8 b);

void FillCircle(SDL_Surface* surface, int cx, int cy, int radius, Uint8 r, Uint8 g, Uint8 b);
// The end point (x2, y2) is left out.
void DrawLine(SDL_Surface* surface, Uint32 pixel, int x1, int y1, int x2, int y2);
// Triangles with one level side. Flat bottom: the apex (x1, y1) on top, the base (x2, y2)-(x3, y3)
// level below it. Flat top: the base level above the apex. A base that is not level fills nothing;
// each row runs from its left edge up to, not including, its right edge.
void FillFlatBottomTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3,
                            Uint8 r, Uint8 g, Uint8 b);
void FillFlatTopTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3,
                         Uint8 r, Uint8 g, Uint8 b);
void FillTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3, Uint8 r,
                  Uint8 g, Uint8 b);
SurfacePtr ScaleSurface(SDL_Surface* source, unsigned newWidth, unsigned newHeight);
// mode 0 average, 1 multiply, 2 add; anything else writes 0.
void BlendSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y, int mode);
// flags bit 1 multiply, else bit 2 add, else 0.
void BlendSurfaceRect(SDL_Surface* destination, SDL_Surface* source, int x, int y, int sx, int sy,
                      int sw, int sh, int flags);

// Pixel helpers with a bounds check; outside the surface reads give 0 and writes are dropped.
Uint32 GetPixel(SDL_Surface* surface, int x, int y);
void PutPixel(SDL_Surface* surface, int x, int y, Uint32 pixel);
Uint32 BlendAverage(Uint32 a, Uint32 b);
Uint32 BlendAdd(Uint32 a, Uint32 b);
Uint32 BlendMultiply(Uint32 a, Uint32 b);

#endif
