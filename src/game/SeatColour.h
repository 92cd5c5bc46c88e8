#ifndef TARVELLO_SEAT_COLOUR_H
#define TARVELLO_SEAT_COLOUR_H

#include <SDL.h>

// The colour of a seat (0 green, 1 red, 2 blue, 3 yellow) for its texts, bars and tints; any
// other index is black.
SDL_Color SeatColour(int colour);

#endif
