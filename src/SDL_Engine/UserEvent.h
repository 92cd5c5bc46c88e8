#ifndef TARVELLO_USER_EVENT_H
#define TARVELLO_USER_EVENT_H

#include <SDL.h>

// The two kinds of user event the engine hands to the top screen: a signal with its code, and a
// push button's click with the button's code.
constexpr Uint8 kSignalEvent = SDL_USEREVENT;
constexpr Uint8 kButtonEvent = SDL_USEREVENT + 1;

// Puts a user event of the given type and code, with no data, on SDL's queue for a later pass of
// the main loop. A full queue loses it; there is nobody to tell.
void PushUserEvent(Uint8 type, int code);

#endif
