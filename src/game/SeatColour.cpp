#include "game/SeatColour.h"

#include "SDL_Engine/Text.h"
#include "game/SeatColours.h"

SDL_Color SeatColour(int colour) {
    if (colour < 0 || colour > 3) return Rgb(0, 0, 0);
    const SeatRgb& seat = SeatColours[colour];
    return Rgb(seat.r, seat.g, seat.b);
}
