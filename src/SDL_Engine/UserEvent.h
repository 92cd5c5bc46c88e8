#ifndef TARVELLO_USER_EVENT_H
#define TARVELLO_USER_EVENT_H

#include <SDL.h>

// Puts a user event of the given type and code, with no data, on SDL's queue for a later pass of
// the main loop. A full queue loses it; there is nobody to tell.
void PushUserEvent(Uint8 type, int code);

#endif
