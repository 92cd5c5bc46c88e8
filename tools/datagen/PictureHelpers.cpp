#include "Pictures.h"

namespace Pictures {

Colour BoardColour(int index) {
    static const Colour colours[] = {Rgb(0, 255, 64), Rgb(255, 50, 50), Rgb(0, 128, 255),
                                     Rgb(255, 255, 0)};
    return colours[index & 3];
}

Colour VerticalGradient(const Colour& top, const Colour& bottom, float y, float y0, float y1) {
    return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0)));
}

void PaintCentred(Canvas& canvas, const Mask& mask, int top, const Canvas::Shader& shader) {
    canvas.Paint(mask, shader, (canvas.Width() - mask.Width()) / 2, top);
}

}  // namespace Pictures
