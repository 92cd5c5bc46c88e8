#include <cmath>

#include "Pictures.h"
#include "SeededRandom.h"
#include "Shapes.h"

namespace Pictures {

namespace {
constexpr float Pi = 3.14159265f;
constexpr int TextureSize = 600;
constexpr int Tile = 30;  // 20 tiles a side, so the grid wraps cleanly

// A smooth field made only of whole waves across the texture, hence seamless.
float Plasma(float x, float y) {
    float k = 2 * Pi / TextureSize;
    return 0.25f * (std::sin(k * 2 * x) + std::sin(k * 3 * y) + std::sin(k * (x + 2 * y)) +
                    std::sin(k * (3 * x - y) + 1.0f));
}

// Soft pastels, pulled towards a light grey so that no tile shouts behind the board.
Colour Palette(float t) {
    static const Colour stops[] = {Rgb(165, 195, 240), Rgb(160, 220, 205), Rgb(240, 230, 165),
                                   Rgb(240, 185, 170), Rgb(205, 185, 235)};
    t = Clamp01(t) * 4.0f;
    int i = std::min(3, static_cast<int>(t));
    return Mix(Mix(stops[i], stops[i + 1], t - i), Rgb(222, 224, 232), 0.3f);
}

float SmoothStep(float from, float to, float v) {
    float t = Clamp01((v - from) / (to - from));
    return t * t * (3 - 2 * t);
}

float TileDistance(float tx, float ty) {
    return Shapes::RoundedBox(tx, ty, 2.0f, 2.0f, Tile - 2.0f, Tile - 2.0f, 7);
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

// Distance between two positions across the texture, which wraps both ways.
float WrappedDistance(float a, float b) {
    float d = std::fabs(a - b);
    return std::min(d, TextureSize - d);
}

// The piece counters stand in the window's corners, left and right of the board and level with
// its top and bottom rows; there the mosaic sinks into a dark plate so that every seat colour,
// light or dark, reads on it. The plates run across the texture's edges, so the wrap stays clean.
float PlateWeight(float x, float y) {
    float fromSide = WrappedDistance(x, 0.0f);  // the left and right plates meet at the seam
    float fromRow = std::min(WrappedDistance(y, 25.0f), WrappedDistance(y, 486.0f));
    float d = Shapes::RoundedBox(fromSide, fromRow, -54.0f, -24.0f, 54.0f, 24.0f, 12.0f);
    return 1.0f - SmoothStep(-3.0f, 11.0f, d);
}

Colour TunnelPixel(float x, float y) {
    int col = static_cast<int>(x) / Tile, row = static_cast<int>(y) / Tile;
    float tx = x - col * Tile, ty = y - row * Tile;
    float tileValue = Plasma(col * Tile + Tile / 2.0f, row * Tile + Tile / 2.0f);
    Colour base = Mix(Palette(0.5f + 0.5f * tileValue), Palette(0.5f + 0.5f * Plasma(x, y)), 0.3f);
    float d = TileDistance(tx, ty);
    Colour grout = Mix(Scaled(base, 0.88f), Rgb(150, 150, 190), 0.15f);
    Colour face = Scaled(base, 1.0f + 0.05f * (1.0f - (tx + ty) / Tile) + 0.12f * Bevel(tx, ty));
    bool ringTile = (col + row) % 2 == 0;
    float motif = ringTile
                      ? std::fabs(Shapes::Circle(tx, ty, Tile / 2.0f, Tile / 2.0f, 6.5f)) - 1.5f
                      : Shapes::Circle(tx, ty, Tile / 2.0f, Tile / 2.0f, 3);
    Colour motifColour = ringTile ? Scaled(base, 0.94f) : Mix(base, Rgb(255, 255, 255), 0.35f);
    face = Mix(face, motifColour, SmoothStep(1.0f, -1.0f, motif));
    Colour pixel = Mix(grout, face, SmoothStep(2.0f, -2.0f, d));
    Colour plate = Mix(Rgb(22, 26, 40), pixel, 0.05f);
    return Mix(pixel, plate, PlateWeight(x, y));
}
}  // namespace

Canvas TunnelTexture() {
    Canvas canvas(TextureSize, TextureSize);
    canvas.Fill(TunnelPixel);
    return canvas;
}

Canvas ResultsBackdrop() {
    Canvas canvas(600, 600);
    canvas.Fill([](float, float y) {
        return VerticalGradient(Rgb(248, 250, 253), Rgb(212, 225, 245), y, 0, 600);
    });
    SeededRandom random(7331);
    for (int i = 0; i < 14; ++i) {
        float cx = random.Between(0, 600), cy = random.Between(80, 600);
        float r = random.Between(30, 110);
        Mask soft = Mask::FromDistance(600, 600, [=](float x, float y) {
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
