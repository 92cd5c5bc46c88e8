#ifndef TARVELLO_TESTS_SDL_SESSION_H
#define TARVELLO_TESTS_SDL_SESSION_H

#include <SDL.h>

// SDL with a 600 by 600 video surface, the font library and (when asked) the mixer, for tests
// that draw or load media without the engine. Shuts everything down when it goes.
class SdlSession {
  public:
    explicit SdlSession(bool withAudio = false);
    ~SdlSession();

    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    SDL_Surface* Screen() const { return screen; }

  private:
    bool audio;
    SDL_Surface* screen;
};

// Drops the notices the window queued about itself (focus, exposure, size), which no screen
// handles. sdl12-compat sends a burst of them whenever it opens or changes the window; classic
// SDL's dummy driver sends none. Tests that count the passes until their own posted event is
// handled drop them first, so they count the same on both.
void DropWindowNotices();

#endif
