#ifndef TARVELLO_FRAME_TIMER_H
#define TARVELLO_FRAME_TIMER_H

#include <SDL.h>

// The fixed-step logic clock: next step runs behind the tick count in 20 ms steps, from the
// tick the engine started at.
struct FrameTimer {
    Uint16 step = 20;
    Uint32 nextStep = 0;
    Uint32 now = 0;
};

#endif
