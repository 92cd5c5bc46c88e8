#include <cmath>

#include "Pictures.h"
#include "Shapes.h"

namespace Pictures {

namespace {
constexpr float Pi = 3.14159265f;

struct Vec {
    float x, y, z;
};

Vec Normalised(Vec v) {
    float n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A flattened dome lit from the top left, with a shallow groove like a pressed token.
Colour TokenShade(const Colour& base, float x, float y, float cx, float cy, float radius) {
    float nx = (x - cx) / radius, ny = (y - cy) / radius;
    float r2 = std::min(1.0f, nx * nx + ny * ny);
    Vec normal = Normalised({nx, ny, 1.8f * std::sqrt(1.0f - r2) + 0.15f});
    const Vec light = Normalised({-0.55f, -0.65f, 0.9f});
    const Vec half = Normalised({light.x, light.y, light.z + 1.0f});
    float diffuse = std::max(0.0f, Dot(normal, light));
    float specular = std::pow(std::max(0.0f, Dot(normal, half)), 40.0f);
    float groove = std::fabs(std::sqrt(r2) - 0.84f);  // outside the emblem
    float grooveShade = groove < 0.06f ? 0.82f : 1.0f;
    Colour lit = Scaled(base, (0.45f + 0.6f * diffuse) * grooveShade);
    return Mix(lit, Rgb(255, 255, 255), Clamp01(0.85f * specular));
}

// A five-pointed star with a point upwards: the plane folded onto half of one point's wedge.
float Star(float x, float y, float cx, float cy, float outer, float inner) {
    const float wedge = 2 * Pi / 5;
    float angle = std::fmod(std::atan2(x - cx, cy - y) + 2 * Pi, wedge);
    angle = std::min(angle, wedge - angle);
    float r = std::hypot(x - cx, y - cy);
    float px = r * std::cos(angle), py = r * std::sin(angle);
    float ix = inner * std::cos(wedge / 2), iy = inner * std::sin(wedge / 2);
    float edge = Shapes::Segment(px, py, outer, 0, ix, iy, 0);
    bool inside = (px - outer) * iy - py * (ix - outer) <= 0;
    return inside ? -edge : edge;
}

float Ring(float x, float y, float c, float radius, float halfWidth) {
    return std::fabs(Shapes::Circle(x, y, c, c, radius)) - halfWidth;
}

// Each seat's emblem, a shape of its own that tells the pieces apart without their colours.
float Emblem(int seat, float x, float y, float c) {
    switch (seat) {
        case 0:  // green: a triangle pointing up
            return Shapes::Triangle(x, y, c, c - 8.0f, c + 7.8f, c + 5.6f, c - 7.8f, c + 5.6f);
        case 1:  // red: a ring
            return Ring(x, y, c, 6.0f, 1.8f);
        case 2:  // blue: a square frame
            return std::fabs(
                       Shapes::RoundedBox(x, y, c - 6.6f, c - 6.6f, c + 6.6f, c + 6.6f, 1.5f)) -
                   1.7f;
        default:  // yellow: a star
            return Star(x, y, c, c + 0.6f, 8.6f, 3.7f);
    }
}

// Body and emblem colours per seat. Green and yellow are light bodies, red and blue dark ones, and
// the emblems are light on green and blue but dark on red and yellow: a player who confuses two
// of the hues still sees one piece lighter than the other, or its emblem the other way round.
struct PieceLook {
    Colour body, emblem;
};

PieceLook Look(int seat) {
    switch (seat) {
        case 0:
            return {Rgb(50, 225, 90), Rgb(225, 255, 225)};
        case 1:
            return {Rgb(225, 45, 45), Rgb(120, 10, 15)};
        case 2:
            return {Rgb(20, 62, 190), Rgb(205, 225, 255)};
        default:
            return {Rgb(255, 238, 50), Rgb(185, 115, 0)};
    }
}
}  // namespace

Canvas Piece(int seat) {
    const int size = 31;
    const float c = size / 2.0f, radius = 14.6f;
    const PieceLook look = Look(seat);
    Canvas canvas(size, size);
    Mask disc = Mask::FromDistance(
        size, size, [=](float x, float y) { return Shapes::Circle(x, y, c, c, radius); });
    Mask inner = Mask::FromDistance(
        size, size, [=](float x, float y) { return Shapes::Circle(x, y, c, c, radius - 1.7f); });
    canvas.Paint(disc, Scaled(look.body, 0.28f));
    // The emblem is inlaid in the dome, so the light and its gloss run over both alike.
    canvas.Paint(inner, [=](float x, float y) {
        float inlay = Clamp01(0.5f - Emblem(seat, x, y, c));
        return TokenShade(Mix(look.body, look.emblem, inlay), x, y, c, c, radius - 1.7f);
    });
    return canvas;
}

namespace {
const float PipSpots[6][6][2] = {
    {{30, 30}},
    {{17, 17}, {43, 43}},
    {{17, 17}, {30, 30}, {43, 43}},
    {{17, 17}, {43, 17}, {17, 43}, {43, 43}},
    {{17, 17}, {43, 17}, {30, 30}, {17, 43}, {43, 43}},
    {{17, 16}, {43, 16}, {17, 30}, {43, 30}, {17, 44}, {43, 44}},
};

void PaintFace(Canvas& canvas, int face) {
    const int ox = 60 * (face - 1);
    Mask edge = Mask::FromDistance(
        60, 60, [](float x, float y) { return Shapes::RoundedBox(x, y, 2, 2, 58, 58, 11); });
    Mask body = Mask::FromDistance(60, 60, [](float x, float y) {
        return Shapes::RoundedBox(x, y, 3.2f, 3.2f, 56.8f, 56.8f, 10);
    });
    canvas.Paint(edge, Rgb(90, 90, 100), ox, 0);
    canvas.Paint(
        body,
        [ox](float x, float y) {
            float t = Clamp01(((x - ox) + y) / 120.0f);
            return Mix(Rgb(255, 255, 252), Rgb(214, 214, 222), t * t);
        },
        ox, 0);
    bool single = face == 1;
    float radius = single ? 7.5f : 5.2f;
    Colour pip = single ? Rgb(200, 30, 40) : Rgb(28, 30, 45);
    for (int i = 0; i < face; ++i) {
        float px = PipSpots[face - 1][i][0], py = PipSpots[face - 1][i][1];
        Mask hole = Mask::FromDistance(
            60, 60, [=](float x, float y) { return Shapes::Circle(x, y, px, py, radius); });
        canvas.Paint(
            hole,
            [=](float x, float y) {
                // Darker towards the lit upper-left rim: the pip is a small hollow.
                float t = Clamp01(0.5f + ((x - ox - px) + (y - py)) / (3.0f * radius));
                return Mix(Scaled(pip, 0.55f), pip, t);
            },
            ox, 0);
    }
}
}  // namespace

Canvas DiceStrip() {
    Canvas canvas(360, 60);
    for (int face = 1; face <= 6; ++face) PaintFace(canvas, face);
    return canvas;
}

}  // namespace Pictures
