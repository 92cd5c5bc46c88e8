#ifndef TARVELLO_SURFACE_LOCK_H
#define TARVELLO_SURFACE_LOCK_H

#include <SDL.h>

// Keeps a surface's pixels locked for its scope, when SDL says they need it (a hardware or RLE
// surface has no pixel memory otherwise). When SDL refuses the lock, Ok() is false and the pixels
// must be left alone.
class SurfaceLock {
  public:
    explicit SurfaceLock(SDL_Surface* target)
        : surface(target), locked(false), ok(!SDL_MUSTLOCK(target)) {
        if (!ok) ok = locked = SDL_LockSurface(surface) == 0;
    }
    ~SurfaceLock() { Release(); }

    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    bool Ok() const { return ok; }
    // Unlocks before the scope ends, for what must not run on a locked surface.
    void Release() {
        if (locked) SDL_UnlockSurface(surface);
        locked = false;
    }

  private:
    SDL_Surface* surface;  // borrowed from the caller
    bool locked;
    bool ok;
};

#endif
