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

// Drops the events the window queued by itself: notices of focus, exposure and size, and the
// pointer's moves. sdl12-compat sends a burst of them whenever it opens or changes the window
// (the pointer "moves" when the window goes full screen and back); classic SDL's dummy driver
// sends none. Tests post every move they want themselves and count the passes until their own
// event is handled, so they drop these first and count the same on both.
void DropWindowEvents();

#endif
