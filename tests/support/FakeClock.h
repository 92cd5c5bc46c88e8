#ifndef TARVELLO_TESTS_FAKE_CLOCK_H
#define TARVELLO_TESTS_FAKE_CLOCK_H

#include <SDL.h>

#include "SDL_Engine/Clock.h"

// Replaces the game's tick source while it lives. Sleeping advances the fake time, as it would
// the real one.
class FakeClock {
  public:
    explicit FakeClock(Uint32 start = 0) {
        now = start;
        Clock::SetSource(Now, Advance);
    }
    ~FakeClock() { Clock::ResetSource(); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    static void Set(Uint32 ticks) { now = ticks; }
    static void Advance(Uint32 ms) { now += ms; }
    static Uint32 Now() { return now; }

  private:
    static inline Uint32 now = 0;
};

#endif
