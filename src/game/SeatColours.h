#ifndef TARVELLO_SEAT_COLOURS_H
#define TARVELLO_SEAT_COLOURS_H

// The colours of the four seats (0 green, 1 red, 2 blue, 3 yellow), as red, green and blue: the
// one table the board, the path, the counters, the texts and the data generator all paint with.
struct SeatRgb {
    unsigned char r, g, b;
};

constexpr SeatRgb SeatColours[4] = {{0, 255, 64}, {255, 50, 50}, {0, 128, 255}, {255, 255, 0}};

#endif
