#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace Shapes {

float Circle(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float RoundedBox(float x, float y, float left, float top, float right, float bottom, float radius) {
    float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    float qx = std::fabs(x - (left + right) / 2) - hx;
    float qy = std::fabs(y - (top + bottom) / 2) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

namespace {
// Distance from p to the edge a-b, signed by the side of p (positive to the right of a->b).
float EdgeSide(float x, float y, float ax, float ay, float bx, float by) {
    return ((x - ax) * (by - ay) - (y - ay) * (bx - ax)) / std::hypot(bx - ax, by - ay);
}
}  // namespace

float Triangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy) {
    // Oriented so that every edge is negative inside; the largest edge value is then close
    // enough to the true distance for anti-aliasing.
    float orient = EdgeSide(cx, cy, ax, ay, bx, by) > 0 ? -1.0f : 1.0f;
    float e1 = orient * EdgeSide(x, y, ax, ay, bx, by);
    float e2 = orient * EdgeSide(x, y, bx, by, cx, cy);
    float e3 = orient * EdgeSide(x, y, cx, cy, ax, ay);
    return std::max(e1, std::max(e2, e3));
}

}  // namespace Shapes
