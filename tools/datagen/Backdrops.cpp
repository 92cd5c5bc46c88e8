#include <cmath>

#include "Pictures.h"
#include "SDL_Engine/WindowSize.h"
#include "SeededRandom.h"
#include "Shapes.h"

namespace Pictures {

namespace {
constexpr float Pi = 3.14159265f;
constexpr int TextureSize = 600;
constexpr int Square = 75;  // a board of 8 by 8 squares, so the texture wraps cleanly
constexpr int Tile = 25;    // each square is laid with 3 by 3 tiles

// A smooth field made only of whole waves across the texture, hence seamless.
float Plasma(float x, float y) {
    float k = 2 * Pi / TextureSize;
    return 0.25f * (std::sin(k * 2 * x) + std::sin(k * 3 * y) + std::sin(k * (x + 2 * y)) +
                    std::sin(k * (3 * x - y) + 1.0f));
}

// Soft pastels for the light squares and slate blues for the dark ones; the field only shifts
// their hue, so every light square stays light and every dark one dark.
Colour Palette(float t, bool dark) {
    static const Colour pale[] = {Rgb(240, 246, 255), Rgb(238, 253, 248), Rgb(255, 253, 238),
                                  Rgb(255, 243, 240), Rgb(248, 243, 255)};
    static const Colour slate[] = {Rgb(94, 118, 170), Rgb(84, 126, 146), Rgb(112, 116, 164),
                                   Rgb(128, 108, 160), Rgb(98, 116, 180)};
    const Colour* stops = dark ? slate : pale;
    t = Clamp01(t) * 4.0f;
    int i = std::min(3, static_cast<int>(t));
    return Mix(stops[i], stops[i + 1], t - i);
}

float SmoothStep(float from, float to, float v) {
    float t = Clamp01((v - from) / (to - from));
    return t * t * (3 - 2 * t);
}

float TileDistance(float tx, float ty) {
    return Shapes::RoundedBox(tx, ty, 1.5f, 1.5f, Tile - 1.5f, Tile - 1.5f, 6);
}

// Light from the top left on the tile's rounded rim, fading in over a few pixels.
float Bevel(float tx, float ty) {
    float d = TileDistance(tx, ty);
    if (d < -5.0f) return 0.0f;
    float gx = TileDistance(tx + 0.5f, ty) - TileDistance(tx - 0.5f, ty);
    float gy = TileDistance(tx, ty + 0.5f) - TileDistance(tx, ty - 0.5f);
    float strength = 1.0f - SmoothStep(0.0f, 5.0f, -d);
    return -(gx + gy) * 0.7071f * strength;
}

// +1 on even squares along one axis, -1 on odd ones, passing through 0 over a few pixels at
// each square's edge so that neighbouring squares blend instead of stepping.
float SquareWave(float v) {
    float within = std::fmod(v, 2.0f * Square);
    float sign = within < Square ? 1.0f : -1.0f;
    float edge = std::min(std::fmod(within, static_cast<float>(Square)),
                          Square - std::fmod(within, static_cast<float>(Square)));
    return sign * SmoothStep(0.0f, 6.0f, edge);
}

// The piece counters stand beside the board's corners: the green and yellow ones on the dark
// squares of the left column, the red and blue ones on the light squares of the right column.
Colour TunnelPixel(float x, float y) {
    int col = static_cast<int>(x) / Tile, row = static_cast<int>(y) / Tile;
    float tx = x - col * Tile, ty = y - row * Tile;
    float hue = 0.5f + 0.5f * Plasma(col * Tile + Tile / 2.0f, row * Tile + Tile / 2.0f);
    float darkness = 0.5f + 0.5f * SquareWave(x) * SquareWave(y);
    Colour base = Mix(Palette(hue, false), Palette(hue, true), darkness);
    float d = TileDistance(tx, ty);
    Colour grout = Mix(Scaled(base, 0.92f), Rgb(150, 150, 190), 0.1f);
    Colour face = Scaled(base, 1.0f + 0.04f * (1.0f - (tx + ty) / Tile) + 0.1f * Bevel(tx, ty));
    bool ringTile = (col + row) % 2 == 0;
    float motif = ringTile
                      ? std::fabs(Shapes::Circle(tx, ty, Tile / 2.0f, Tile / 2.0f, 5.5f)) - 1.2f
                      : Shapes::Circle(tx, ty, Tile / 2.0f, Tile / 2.0f, 2.5f);
    Colour motifColour = ringTile ? Scaled(base, 0.95f) : Mix(base, Rgb(255, 255, 255), 0.3f);
    face = Mix(face, motifColour, SmoothStep(1.0f, -1.0f, motif));
    return Mix(grout, face, SmoothStep(1.5f, -1.5f, d));
}
}  // namespace

Canvas TunnelTexture() {
    Canvas canvas(TextureSize, TextureSize);
    canvas.Fill(TunnelPixel);
    return canvas;
}

Canvas ResultsBackdrop() {
    Canvas canvas(kWindowWidth, kWindowHeight);
    canvas.Fill([](float, float y) {
        return VerticalGradient(Rgb(248, 250, 253), Rgb(212, 225, 245), y, 0, kWindowHeight);
    });
    SeededRandom random(7331);
    for (int i = 0; i < 14; ++i) {
        float cx = random.Between(0, kWindowWidth), cy = random.Between(80, kWindowHeight);
        float r = random.Between(30, 110);
        Mask soft = Mask::FromDistance(kWindowWidth, kWindowHeight, [=](float x, float y) {
            return Shapes::Circle(x, y, cx, cy, r) / 6.0f;  // wide soft edge
        });
        canvas.Paint(soft, WithAlpha(BoardColour(i % 4), random.Between(0.06f, 0.12f)));
    }
    return canvas;
}

Canvas ConsolePanel() {
    const int w = 470, h = 60;  // ends level with the die and the throw button
    Canvas canvas(w, h);
    Mask outer = Mask::FromDistance(
        w, h, [](float x, float y) { return Shapes::RoundedBox(x, y, 0, 0, w, h, 14); });
    Mask inner = Mask::FromDistance(w, h, [](float x, float y) {
        return Shapes::RoundedBox(x, y, 2.5f, 2.5f, w - 2.5f, h - 2.5f, 12);
    });
    canvas.Paint(outer, [](float, float y) {
        return VerticalGradient(Rgb(140, 150, 205), Rgb(90, 100, 170), y, 0, h);
    });
    canvas.Paint(inner, [](float, float y) {
        return VerticalGradient(Rgb(250, 252, 255), Rgb(226, 233, 250), y, 0, h);
    });
    Mask glow = Mask::FromDistance(w, h, [](float x, float y) {
        return std::fabs(Shapes::RoundedBox(x, y, 4, 4, w - 4, h - 4, 10)) - 0.6f;
    });
    canvas.Paint(glow, Rgb(255, 255, 255, 0.8f));
    return canvas;
}

}  // namespace Pictures
