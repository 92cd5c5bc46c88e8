#include "Icons.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "ImageFiles.h"
#include "Pictures.h"
#include "Shapes.h"

namespace Icons {

namespace {
// Everything is laid out on a board from 0 to 1 and scaled to the icon's size.
const float BoardLeft = 0.05f, BoardRight = 0.95f, Rim = 0.035f;
const float Inner0 = BoardLeft + Rim, Inner1 = BoardRight - Rim;
const float Yard = 0.4f * (Inner1 - Inner0);

// Yards clockwise from the top left, in the seats' colours: green, red, blue, yellow.
const float YardCorner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

float BoardInside(float x, float y) {
    return Shapes::RoundedBox(x, y, Inner0, Inner0, Inner1, Inner1, 0.09f);
}

float YardLeft(int seat) { return YardCorner[seat][0] == 0 ? Inner0 : Inner1 - Yard; }
float YardTop(int seat) { return YardCorner[seat][1] == 0 ? Inner0 : Inner1 - Yard; }

// A lit dome with a dark rim, like the pieces on the board.
Colour PieceShade(const Colour& base, float x, float y, float cx, float cy, float radius) {
    float hx = cx - 0.35f * radius, hy = cy - 0.4f * radius;
    float t = Clamp01(std::hypot(x - hx, y - hy) / (1.5f * radius));
    Colour lit = Mix(Mix(Rgb(255, 255, 255), base, Clamp01(t * 3.0f)), Scaled(base, 0.5f),
                     Clamp01((t - 0.45f) * 1.6f));
    return lit;
}

void PaintBoard(Canvas& canvas, float s) {
    Mask outline = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        return Shapes::RoundedBox(x, y, BoardLeft * s, BoardLeft * s, BoardRight * s,
                                  BoardRight * s, 0.12f * s);
    });
    canvas.Paint(outline, Rgb(40, 44, 60));
    Mask inside = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        return BoardInside(x / s, y / s) * s;
    });
    canvas.Paint(inside, Rgb(255, 255, 255));
}

void PaintYard(Canvas& canvas, float s, int seat) {
    const float left = YardLeft(seat), top = YardTop(seat);
    Mask yard = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        float box = Shapes::RoundedBox(x / s, y / s, left, top, left + Yard, top + Yard, 0.01f);
        return std::max(box, BoardInside(x / s, y / s)) * s;
    });
    canvas.Paint(yard, Pictures::BoardColour(seat));
}

// The centre square's four triangles point to the home stretch of their colour.
void PaintCentre(Canvas& canvas, float s) {
    const float c0 = Inner0 + Yard, c1 = Inner1 - Yard, mid = 0.5f;
    const float corners[4][2] = {{c0, c0}, {c1, c0}, {c1, c1}, {c0, c1}};
    // Green's triangle is on the left, then clockwise: red on top, blue right, yellow below.
    for (int seat = 0; seat < 4; ++seat) {
        const float* a = corners[(seat + 3) % 4];
        const float* b = corners[seat];
        Mask triangle = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
            return Shapes::Triangle(x / s, y / s, a[0], a[1], b[0], b[1], mid, mid) * s;
        });
        canvas.Paint(triangle, Pictures::BoardColour(seat));
    }
}

void PaintPiece(Canvas& canvas, float s, int seat) {
    const float cx = (YardLeft(seat) + Yard / 2) * s, cy = (YardTop(seat) + Yard / 2) * s;
    const float nest = 0.34f * Yard * s, radius = 0.29f * Yard * s;
    Mask square = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        return Shapes::RoundedBox(x, y, cx - nest, cy - nest, cx + nest, cy + nest, 0.2f * nest);
    });
    canvas.Paint(square, Rgb(255, 255, 255));
    const Colour colour = Pictures::BoardColour(seat);
    Mask rim = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        return Shapes::Circle(x, y, cx, cy, radius);
    });
    canvas.Paint(rim, Scaled(colour, 0.3f));
    const float body = radius - std::max(0.7f, 0.1f * radius);
    Mask dome = Mask::FromDistance(canvas.Width(), canvas.Height(), [=](float x, float y) {
        return Shapes::Circle(x, y, cx, cy, body);
    });
    canvas.Paint(dome, [=](float x, float y) { return PieceShade(colour, x, y, cx, cy, body); });
}
}  // namespace

Canvas Icon(int size) {
    Canvas canvas(size, size);
    const float s = static_cast<float>(size);
    PaintBoard(canvas, s);
    for (int seat = 0; seat < 4; ++seat) PaintYard(canvas, s, seat);
    PaintCentre(canvas, s);
    for (int seat = 0; seat < 4; ++seat) PaintPiece(canvas, s, seat);
    return canvas;
}

void WriteIconTheme(const std::string& folder) {
    for (int size : {32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string apps = folder + "/hicolor/" + name + "/apps";
        std::filesystem::create_directories(apps);
        ImageFiles::WritePng(Icon(size), apps + "/tarvello.png");
    }
}

}  // namespace Icons
