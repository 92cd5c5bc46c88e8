#include "game/SeatColour.h"

#include "SDL_Engine/Text.h"

SDL_Color SeatColour(int colour) {
    switch (colour) {
        case 0:
            return Rgb(0, 255, 64);
        case 1:
            return Rgb(255, 50, 50);
        case 2:
            return Rgb(0, 128, 255);
        case 3:
            return Rgb(255, 255, 0);
        default:
            return Rgb(0, 0, 0);
    }
}
