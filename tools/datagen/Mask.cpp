#include "Mask.h"

#include <algorithm>
#include <cmath>

#include "Colour.h"

Mask::Mask(int w, int h) : width(w), height(h), values(static_cast<size_t>(w) * h, 0.0f) {}

Mask Mask::FromDistance(int width, int height, const std::function<float(float, float)>& d) {
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask.Set(x, y, Clamp01(0.5f - d(x + 0.5f, y + 0.5f)));
    return mask;
}

float Mask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return values[y * width + x];
}

void Mask::Place(const Mask& other, int x, int y) {
    for (int j = 0; j < other.height; ++j)
        for (int i = 0; i < other.width; ++i) {
            int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
            float& v = values[ty * width + tx];
            v = std::max(v, other.At(i, j));
        }
}

Mask Mask::Grown(float radius) const {
    Mask out(width, height);
    int reach = static_cast<int>(std::ceil(radius)) + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float best = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    float edge = Clamp01(radius + 0.5f - std::sqrt(float(dx * dx + dy * dy)));
                    best = std::max(best, edge * At(x + dx, y + dy));
                }
            out.Set(x, y, best);
        }
    return out;
}

Mask Mask::BoxBlurred(int radius, bool horizontal) const {
    Mask out(width, height);
    float scale = 1.0f / (2 * radius + 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) sum += horizontal ? At(x + k, y) : At(x, y + k);
            out.Set(x, y, sum * scale);
        }
    return out;
}

Mask Mask::Blurred(int radius) const {
    Mask out = *this;
    for (int pass = 0; pass < 3; ++pass)
        out = out.BoxBlurred(radius, true).BoxBlurred(radius, false);
    return out;
}

Mask Mask::Padded(int border) const {
    Mask out(width + 2 * border, height + 2 * border);
    out.Place(*this, border, border);
    return out;
}

Mask Mask::Multiplied(const Mask& other) const {
    Mask out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.Set(x, y, At(x, y) * other.At(x, y));
    return out;
}

Mask Mask::Without(const Mask& other) const {
    Mask out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.Set(x, y, At(x, y) * (1.0f - other.At(x, y)));
    return out;
}
