#ifndef TARVELLO_TESTS_FAKE_CLOCK_H
#define TARVELLO_TESTS_FAKE_CLOCK_H

#include <SDL.h>

// Replaces the game's tick source while it lives. Sleeping advances the fake time, as it would
// the real one.
class FakeClock {
  public:
    explicit FakeClock(Uint32 start = 0);
    ~FakeClock();

    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    static void Set(Uint32 ticks);
    static void Advance(Uint32 ms);
    static Uint32 Now();
};

#endif
