#include "SDL_Engine/Drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "SDL_Engine/SurfaceLock.h"

namespace {

void ReportError() { std::fprintf(stderr, "%s\n", SDL_GetError()); }

// A lock that SDL refused is reported once; the drawing then leaves the surface as it was.
bool Refused(const SurfaceLock& lock) {
    if (lock.Ok()) return false;
    ReportError();
    return true;
}

void Blit(SDL_Surface* destination, SDL_Surface* source, SDL_Rect* part, int x, int y) {
    if (!destination || !source) return;
    SDL_Rect target = MakeRect(x, y, 0, 0);
    if (SDL_UpperBlit(source, part, destination, &target) < 0) ReportError();
}

// An RLE-accelerated surface has no pixel memory until it is locked, so that counts as outside too.
bool Inside(const SDL_Surface* surface, int x, int y) {
    if (!surface || !surface->pixels) return false;
    return x >= 0 && y >= 0 && x < surface->w && y < surface->h;
}

int RoundedEdge(float x) { return static_cast<int>(std::trunc(static_cast<double>(x) + 0.5)); }

// Blends source pixels (sx, sy, sw, sh) onto the destination at (x, y) with one combining helper;
// a null helper writes 0.
void BlendPixels(SDL_Surface* destination, SDL_Surface* source, int x, int y, int sx, int sy,
                 int sw, int sh, Uint32 (*combine)(Uint32, Uint32)) {
    if (!destination || !source) return;
    SurfaceLock destinationLock(destination);
    if (Refused(destinationLock)) return;
    SurfaceLock sourceLock(source);
    if (Refused(sourceLock)) return;
    const long long rowEnd = static_cast<long long>(sy) + sh;
    const long long columnEnd = static_cast<long long>(sx) + sw;
    for (int row = sy; row < rowEnd; ++row) {
        for (int column = sx; column < columnEnd; ++column) {
            int tx = x + column - sx;
            int ty = y + row - sy;
            Uint32 s = GetPixel(source, column, row);
            Uint32 d = GetPixel(destination, tx, ty);
            PutPixel(destination, tx, ty, combine ? combine(s, d) : 0);
        }
    }
    destinationLock.Release();
}

// Which side of a flat triangle is level: the base (x2, y2)-(x3, y3) lies below the apex (x1, y1)
// or above it. A base that is not level, or lies on the other side, fills nothing.
enum class FlatSide { Bottom, Top };

void FillFlatTriangle(SDL_Surface* surface, FlatSide side, int x1, int y1, int x2, int y2, int x3,
                      int y3, Uint8 r, Uint8 g, Uint8 b) {
    if (!surface || y2 == y1 || y3 != y2) return;
    Uint32 colour = SDL_MapRGB(surface->format, r, g, b);
    const int left = std::min(x2, x3), right = std::max(x2, x3);
    // The spans run down from the top row, whose ends are the apex or the base's.
    const bool apexOnTop = side == FlatSide::Bottom;
    const int top = apexOnTop ? y1 : y3, bottom = apexOnTop ? y2 : y1;
    const int topLeft = apexOnTop ? x1 : left, topRight = apexOnTop ? x1 : right;
    const int bottomLeft = apexOnTop ? left : x1, bottomRight = apexOnTop ? right : x1;
    const float rows = static_cast<float>(bottom - top);
    const float slopeL = static_cast<float>(bottomLeft - topLeft) / rows;
    const float slopeR = static_cast<float>(bottomRight - topRight) / rows;
    float xL = static_cast<float>(topLeft), xR = static_cast<float>(topRight);
    // Counted wider than int, so a base on the last int row still ends the loop.
    for (long long y = top; y <= bottom; ++y) {
        const int row = static_cast<int>(y);
        DrawLine(surface, colour, RoundedEdge(xL), row, RoundedEdge(xR), row);
        xL += slopeL;
        xR += slopeR;
    }
}

}  // namespace

SDL_Rect MakeRect(int x, int y, int w, int h) {
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    rect.w = static_cast<Uint16>(w);
    rect.h = static_cast<Uint16>(h);
    return rect;
}

void BlitSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y) {
    Blit(destination, source, nullptr, x, y);
}

void BlitSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y, int sx, int sy,
                 int sw, int sh) {
    SDL_Rect part = MakeRect(sx, sy, sw, sh);
    Blit(destination, source, &part, x, y);
}

SurfacePtr CreateSurface(int width, int height, Uint32 flags, PixelLayout layout) {
    // SDL 1.2 takes a negative size without complaint and builds a surface that faults later.
    if (width < 0 || height < 0) return nullptr;
    // No masks at 32 bits is SDL's own layout, 0x00RRGGBB.
    if (layout == PixelLayout::Rgb32)
        return SurfacePtr(SDL_CreateRGBSurface(flags, width, height, 32, 0, 0, 0, 0));
    const SDL_Surface* video = SDL_GetVideoSurface();
    if (!video) return nullptr;
    const SDL_PixelFormat* format = video->format;
    return SurfacePtr(SDL_CreateRGBSurface(flags, width, height, format->BitsPerPixel,
                                           format->Rmask, format->Gmask, format->Bmask,
                                           format->Amask));
}

SurfacePtr CreateFilledSurface(int width, int height, Uint8 r, Uint8 g, Uint8 b) {
    SurfacePtr surface = CreateSurface(width, height, 0);
    if (!surface) return nullptr;
    if (SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, r, g, b)) < 0)
        ReportError();
    return surface;
}

void FillCircle(SDL_Surface* surface, int cx, int cy, int radius, Uint8 r, Uint8 g, Uint8 b) {
    if (!surface || radius <= 0) return;
    Uint32 colour = SDL_MapRGB(surface->format, r, g, b);
    SurfaceLock lock(surface);
    if (Refused(lock)) return;
    const long long squared = static_cast<long long>(radius) * radius;
    for (int dy = -radius; dy < radius; ++dy) {
        long long rest = squared - static_cast<long long>(dy) * dy;
        int half = static_cast<int>(std::sqrt(static_cast<double>(rest)));
        for (int dx = -half; dx < half; ++dx) PutPixel(surface, cx + dx, cy + dy, colour);
    }
}

void DrawLine(SDL_Surface* surface, Uint32 pixel, int x1, int y1, int x2, int y2) {
    if (!surface || (x1 == x2 && y1 == y2)) return;
    SurfaceLock lock(surface);
    if (Refused(lock)) return;
    // Bresenham's walk along the major axis: step i lands on major + i and minor + k(i), where
    // k(i) is dMinor * i / dMajor rounded half up. Only the steps whose major coordinate lies on
    // the surface are walked, so far-apart end points cost no more than near ones.
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const bool xMajor = dx >= dy;
    const long long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    const long long major = xMajor ? x1 : y1, minor = xMajor ? y1 : x1;
    const int majorStep = (xMajor ? x1 > x2 : y1 > y2) ? -1 : 1;
    const int minorStep = (xMajor ? y1 > y2 : x1 > x2) ? -1 : 1;
    const long long size = xMajor ? surface->w : surface->h;
    // Steps 0 .. dMajor - 1 (the end point is left out) whose major coordinate is on the surface.
    long long first = majorStep > 0 ? -major : major - (size - 1);
    long long last = majorStep > 0 ? size - 1 - major : major;
    first = std::max(first, 0LL);
    last = std::min(last, dMajor - 1);
    if (first > last) return;
    // k(first) and the decision value there, without overflow: dMinor * first < 2^64.
    const unsigned long long product =
        static_cast<unsigned long long>(dMinor) * static_cast<unsigned long long>(first);
    const long long whole =
        static_cast<long long>(product / static_cast<unsigned long long>(dMajor));
    const long long rest =
        static_cast<long long>(product % static_cast<unsigned long long>(dMajor));
    const long long up = 2 * rest >= dMajor ? 1 : 0;
    long long k = whole + up;
    long long d = 2 * (rest + dMinor - up * dMajor) - dMajor;
    for (long long i = first; i <= last; ++i) {
        const int a = static_cast<int>(major + majorStep * i);
        const int b = static_cast<int>(minor + minorStep * k);
        if (xMajor) {
            PutPixel(surface, a, b, pixel);
        } else {
            PutPixel(surface, b, a, pixel);
        }
        if (d < 0) {
            d += 2 * dMinor;
        } else {
            d += 2 * (dMinor - dMajor);
            ++k;
        }
    }
}

void FillFlatBottomTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3,
                            Uint8 r, Uint8 g, Uint8 b) {
    FillFlatTriangle(surface, FlatSide::Bottom, x1, y1, x2, y2, x3, y3, r, g, b);
}

void FillFlatTopTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3,
                         Uint8 r, Uint8 g, Uint8 b) {
    FillFlatTriangle(surface, FlatSide::Top, x1, y1, x2, y2, x3, y3, r, g, b);
}

void FillTriangle(SDL_Surface* surface, int x1, int y1, int x2, int y2, int x3, int y3, Uint8 r,
                  Uint8 g, Uint8 b) {
    if (!surface || (x1 == x2 && x2 == x3) || (y1 == y2 && y2 == y3)) return;
    if (y2 < y1) std::swap(x1, x2), std::swap(y1, y2);
    if (y3 < y1) std::swap(x1, x3), std::swap(y1, y3);
    if (y3 < y2) std::swap(x2, x3), std::swap(y2, y3);
    if (y2 == y3) {
        FillFlatBottomTriangle(surface, x1, y1, x2, y3, x3, y3, r, g, b);
        return;
    }
    const double along = static_cast<double>(y2 - y1) * (x3 - x1) / (y3 - y1);
    const int x4 = static_cast<int>(std::trunc(x1 + along + 0.5));
    FillFlatBottomTriangle(surface, x1, y1, x2, y2, x4, y2, r, g, b);
    FillFlatTopTriangle(surface, x3, y3, x2, y2, x4, y2, r, g, b);
}

SurfacePtr ScaleSurface(SDL_Surface* source, unsigned newWidth, unsigned newHeight) {
    if (!source || newWidth == 0 || newHeight == 0) return nullptr;
    SurfaceLock sourceLock(source);
    if (Refused(sourceLock)) return nullptr;
    SurfacePtr result =
        CreateSurface(static_cast<int>(newWidth), static_cast<int>(newHeight), source->flags);
    if (!result) return nullptr;
    {
        SurfaceLock resultLock(result.get());
        if (Refused(resultLock)) return nullptr;
        const double fx = static_cast<double>(newWidth) / source->w;
        const double fy = static_cast<double>(newHeight) / source->h;
        for (int y = 0; y < source->h; ++y) {
            const int top = static_cast<int>(fy * y);
            for (int x = 0; x < source->w; ++x) {
                const Uint32 p = GetPixel(source, x, y);
                const int left = static_cast<int>(fx * x);
                for (int oy = 0; oy < fy; ++oy) {
                    for (int ox = 0; ox < fx; ++ox) PutPixel(result.get(), left + ox, top + oy, p);
                }
            }
        }
    }
    return result;
}

void BlendSurface(SDL_Surface* destination, SDL_Surface* source, int x, int y, int mode) {
    if (!source) return;
    Uint32 (*combine)(Uint32, Uint32) = nullptr;
    if (mode == 0) combine = BlendAverage;
    if (mode == 1) combine = BlendMultiply;
    if (mode == 2) combine = BlendAdd;
    BlendPixels(destination, source, x, y, 0, 0, source->w, source->h, combine);
}

void BlendSurfaceRect(SDL_Surface* destination, SDL_Surface* source, int x, int y, int sx, int sy,
                      int sw, int sh, int flags) {
    Uint32 (*combine)(Uint32, Uint32) = nullptr;
    if (flags & 1) {
        combine = BlendMultiply;
    } else if (flags & 2) {
        combine = BlendAdd;
    }
    BlendPixels(destination, source, x, y, sx, sy, sw, sh, combine);
}

Uint32 GetPixel(SDL_Surface* surface, int x, int y) {
    if (!Inside(surface, x, y)) return 0;
    const int bytes = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
        case 1:
            return *p;
        case 2:
            return *reinterpret_cast<const Uint16*>(p);
        case 3:
            return p[0] | (p[1] << 8) | (p[2] << 16);
        case 4:
            return *reinterpret_cast<const Uint32*>(p);
        default:
            return 0;
    }
}

void PutPixel(SDL_Surface* surface, int x, int y, Uint32 pixel) {
    if (!Inside(surface, x, y)) return;
    const int bytes = surface->format->BytesPerPixel;
    Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
        case 1:
            *p = static_cast<Uint8>(pixel);
            break;
        case 2:
            *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(pixel);
            break;
        case 3:
            p[0] = static_cast<Uint8>(pixel);
            p[1] = static_cast<Uint8>(pixel >> 8);
            p[2] = static_cast<Uint8>(pixel >> 16);
            break;
        case 4:
            *reinterpret_cast<Uint32*>(p) = pixel;
            break;
        default:
            break;
    }
}

namespace {
template <typename Channel>
Uint32 CombineChannels(Uint32 a, Uint32 b, Channel channel) {
    Uint32 result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        Uint32 value = channel((a >> shift) & 0xFF, (b >> shift) & 0xFF);
        result |= value << shift;
    }
    return result;
}
}  // namespace

Uint32 BlendAverage(Uint32 a, Uint32 b) {
    return CombineChannels(a, b, [](Uint32 x, Uint32 y) { return (x + y) >> 1; });
}

Uint32 BlendAdd(Uint32 a, Uint32 b) {
    return CombineChannels(a, b, [](Uint32 x, Uint32 y) { return std::min<Uint32>(x + y, 255); });
}

Uint32 BlendMultiply(Uint32 a, Uint32 b) {
    return CombineChannels(a, b, [](Uint32 x, Uint32 y) { return (x * y) >> 8; });
}
