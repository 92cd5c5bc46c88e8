#include "Canvas.h"

#include <cmath>

Canvas::Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 4, 0.0f) {}

void Canvas::Fill(const Shader& shader) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour c = shader(x + 0.5f, y + 0.5f);
            float* p = &pixels[(y * width + x) * 4];
            p[0] = c.r * c.a;
            p[1] = c.g * c.a;
            p[2] = c.b * c.a;
            p[3] = c.a;
        }
}

void Canvas::Over(int x, int y, const Colour& colour, float coverage) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    float a = Clamp01(colour.a * coverage);
    if (a <= 0.0f) return;
    float* p = &pixels[(y * width + x) * 4];
    p[0] = colour.r * a + p[0] * (1 - a);
    p[1] = colour.g * a + p[1] * (1 - a);
    p[2] = colour.b * a + p[2] * (1 - a);
    p[3] = a + p[3] * (1 - a);
}

void Canvas::Paint(const Mask& mask, const Colour& colour, int x, int y) {
    const Shader flat = [&colour](float, float) { return colour; };
    Paint(mask, flat, x, y);
}

void Canvas::Paint(const Mask& mask, const Shader& shader, int x, int y) {
    for (int j = 0; j < mask.Height(); ++j)
        for (int i = 0; i < mask.Width(); ++i) {
            float coverage = mask.At(i, j);
            if (coverage <= 0.0f) continue;
            Over(x + i, y + j, shader(x + i + 0.5f, y + j + 0.5f), coverage);
        }
}

void Canvas::Draw(const Canvas& other, int x, int y) {
    for (int j = 0; j < other.height; ++j)
        for (int i = 0; i < other.width; ++i) Over(x + i, y + j, other.Get(i, j), 1.0f);
}

Colour Canvas::Get(int x, int y) const {
    const float* p = &pixels[(y * width + x) * 4];
    if (p[3] <= 0.0f) return Colour{0, 0, 0, 0};
    return Colour{p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

namespace {
uint8_t Byte(float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); }
}  // namespace

std::vector<uint8_t> Canvas::Rgba() const {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour c = Get(x, y);
            uint8_t alpha = Byte(c.a);
            bool empty = alpha == 0;  // keep fully transparent pixels clean
            out.insert(out.end(), {empty ? uint8_t(0) : Byte(c.r), empty ? uint8_t(0) : Byte(c.g),
                                   empty ? uint8_t(0) : Byte(c.b), alpha});
        }
    return out;
}

std::vector<uint8_t> Canvas::Rgb() const {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour c = Get(x, y);
            out.insert(out.end(), {Byte(c.r * c.a), Byte(c.g * c.a), Byte(c.b * c.a)});
        }
    return out;
}
