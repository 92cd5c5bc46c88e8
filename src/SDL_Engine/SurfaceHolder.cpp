#include "SDL_Engine/SurfaceHolder.h"

#include <SDL_image.h>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceLock.h"

namespace {
bool EveryPixelOpaque(SDL_Surface* surface) {
    const Uint32 alpha = surface->format->Amask;
    if (surface->format->BytesPerPixel != 4) return false;
    const SurfaceLock lock(surface);
    if (!lock.Ok()) return false;
    bool opaque = true;
    for (int y = 0; y < surface->h && opaque; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x) opaque = opaque && (row[x] & alpha) == alpha;
    }
    return opaque;
}

// A picture with no see-through pixel is copied rather than blended pixel by pixel: the same
// pixels on the target for a fraction of the work on every frame.
void BlitOpaqueAsCopy(SDL_Surface* surface) {
    if (surface->format->Amask && (surface->flags & SDL_SRCALPHA) && EveryPixelOpaque(surface))
        SDL_SetAlpha(surface, 0, SDL_ALPHA_OPAQUE);
}
}  // namespace

SurfacePtr LoadDisplayImage(const std::string& path) {
    // Converting to the display's format needs a display; without one SDL would crash.
    if (!SDL_GetVideoSurface()) {
        SDL_SetError("No video mode has been set");
        return nullptr;
    }
    const SurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) return nullptr;
    SurfacePtr converted(SDL_DisplayFormatAlpha(loaded.get()));
    if (converted) BlitOpaqueAsCopy(converted.get());
    return converted;
}

SurfaceHolder::SurfaceHolder(const std::string& path) : SurfaceHolder(LoadDisplayImage(path)) {}

SurfaceHolder::SurfaceHolder(SurfacePtr made) : surface(made.release()) {}

namespace {
// A missing source or target copies nothing: some SDL 1.2 implementations crash on a null target.
void Copy(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, int x, int y) {
    if (!source || !target) return;
    SDL_Rect destination = MakeRect(x, y, 0, 0);
    SDL_UpperBlit(source, sourceRect, target, &destination);
}

void CopyPart(SDL_Surface* source, SDL_Surface* target, int x, int y, int sx, int sy, int sw,
              int sh) {
    SDL_Rect part = MakeRect(sx, sy, sw, sh);
    Copy(source, &part, target, x, y);
}

SDL_Surface* Held(const SurfaceHolder* holder) { return holder ? holder->Get() : nullptr; }
}  // namespace

void SurfaceHolder::DrawOn(SDL_Surface* target, int x, int y) const {
    Copy(surface.get(), nullptr, target, x, y);
}

void SurfaceHolder::DrawOn(SDL_Surface* target, int x, int y, int sx, int sy, int sw,
                           int sh) const {
    if (surface) CopyPart(surface.get(), target, x, y, sx, sy, sw, sh);
}

// A holder is drawn on through the surface it hands out, so a target holder is never const.
// cppcheck-suppress constParameterPointer
void SurfaceHolder::DrawOn(SurfaceHolder* target, int x, int y) const {
    DrawOn(Held(target), x, y);
}

// cppcheck-suppress constParameterPointer
void SurfaceHolder::DrawOn(SurfaceHolder* target, int x, int y, int sx, int sy, int sw,
                           int sh) const {
    DrawOn(Held(target), x, y, sx, sy, sw, sh);
}

void SurfaceHolder::DrawFrom(SDL_Surface* source, int x, int y) {
    if (surface) Copy(source, nullptr, surface.get(), x, y);
}

void SurfaceHolder::DrawFrom(SDL_Surface* source, int x, int y, int sx, int sy, int sw, int sh) {
    if (surface && source) CopyPart(source, surface.get(), x, y, sx, sy, sw, sh);
}

void SurfaceHolder::DrawFrom(const SurfaceHolder* source, int x, int y) {
    DrawFrom(Held(source), x, y);
}

void SurfaceHolder::DrawFrom(const SurfaceHolder* source, int x, int y, int sx, int sy, int sw,
                             int sh) {
    DrawFrom(Held(source), x, y, sx, sy, sw, sh);
}

void SurfaceHolder::SetAlpha(Uint8 alpha) {
    if (surface) SDL_SetAlpha(surface.get(), SDL_SRCALPHA, alpha);
}

void SurfaceHolder::Fill(SDL_Rect* rect, Uint8 r, Uint8 g, Uint8 b) {
    if (surface) SDL_FillRect(surface.get(), rect, SDL_MapRGB(surface->format, r, g, b));
}
