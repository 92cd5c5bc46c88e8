#include "SDL_Engine/Clock.h"

namespace Clock {
namespace {
TickFunction tickSource = SDL_GetTicks;
DelayFunction delaySource = SDL_Delay;
}  // namespace

Uint32 Ticks() { return tickSource(); }

void Delay(Uint32 ms) { delaySource(ms); }

void SetSource(TickFunction ticks, DelayFunction delay) {
    tickSource = ticks ? ticks : SDL_GetTicks;
    delaySource = delay ? delay : SDL_Delay;
}

void ResetSource() { SetSource(nullptr, nullptr); }

}  // namespace Clock
