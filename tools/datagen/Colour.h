#ifndef TARVELLO_DATAGEN_COLOUR_H
#define TARVELLO_DATAGEN_COLOUR_H

#include <algorithm>

// A colour with straight (not premultiplied) alpha, every channel from 0 to 1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

inline float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

inline Colour Rgb(int r, int g, int b, float a = 1.0f) {
    return Colour{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

inline Colour Mix(const Colour& from, const Colour& to, float t) {
    return Colour{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                  from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

inline Colour Scaled(const Colour& c, float factor) {
    return Colour{Clamp01(c.r * factor), Clamp01(c.g * factor), Clamp01(c.b * factor), c.a};
}

inline Colour WithAlpha(Colour c, float a) {
    c.a = a;
    return c;
}

#endif
