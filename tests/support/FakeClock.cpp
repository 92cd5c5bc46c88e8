#include "support/FakeClock.h"

#include "SDL_Engine/Clock.h"

namespace {
Uint32 fakeNow = 0;
Uint32 ReadFake() { return fakeNow; }
void SleepFake(Uint32 ms) { fakeNow += ms; }
}  // namespace

FakeClock::FakeClock(Uint32 start) {
    fakeNow = start;
    Clock::SetSource(ReadFake, SleepFake);
}

FakeClock::~FakeClock() { Clock::ResetSource(); }

void FakeClock::Set(Uint32 ticks) { fakeNow = ticks; }

void FakeClock::Advance(Uint32 ms) { fakeNow += ms; }

Uint32 FakeClock::Now() { return fakeNow; }
