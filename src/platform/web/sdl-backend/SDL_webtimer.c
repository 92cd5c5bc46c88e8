/*
 * Tarvello's browser backend for SDL 1.2, the clock: milliseconds from the page's
 * performance clock, and an SDL_Delay that gives the browser the time (emscripten_sleep,
 * through Asyncify), so the program's own loop runs unchanged and the page stays live.
 * SDL's timer thread is not there: SDL_SetTimer and SDL_AddTimer report an error.
 */
#include "SDL_config.h"

#if SDL_TIMER_WEB

#include <emscripten.h>

/* SDL's own header first, then its internals. */
// clang-format off
#include "SDL_timer.h"
#include "../SDL_timer_c.h"
// clang-format on

static double start;

void SDL_StartTicks(void) { start = emscripten_get_now(); }

Uint32 SDL_GetTicks(void) { return (Uint32)(emscripten_get_now() - start); }

void SDL_Delay(Uint32 ms) { emscripten_sleep(ms); }

int SDL_SYS_TimerInit(void) { return 0; }

void SDL_SYS_TimerQuit(void) {}

int SDL_SYS_StartTimer(void) {
    SDL_SetError("Timers are not available in the browser");
    return -1;
}

void SDL_SYS_StopTimer(void) {}

#endif /* SDL_TIMER_WEB */
