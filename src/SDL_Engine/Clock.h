#ifndef TARVELLO_CLOCK_H
#define TARVELLO_CLOCK_H

#include <SDL.h>

// The game's one tick source. Every timer reads Clock::Ticks(); tests swap in a fake clock so the
// game can be driven to the millisecond without sleeping.
namespace Clock {

using TickFunction = Uint32 (*)();
using DelayFunction = void (*)(Uint32 ms);

Uint32 Ticks();
void Delay(Uint32 ms);

// Replaces the tick source (and the sleep that goes with it); null restores SDL's own.
void SetSource(TickFunction ticks, DelayFunction delay);
void ResetSource();

}  // namespace Clock

#endif
