#include "Pictures.h"
#include "game/SeatColours.h"

namespace Pictures {

Colour BoardColour(int index) {
    const SeatRgb& seat = SeatColours[index & 3];
    return Rgb(seat.r, seat.g, seat.b);
}

Colour VerticalGradient(const Colour& top, const Colour& bottom, float y, float y0, float y1) {
    return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0)));
}

void PaintCentred(Canvas& canvas, const Mask& mask, int top, const Canvas::Shader& shader) {
    canvas.Paint(mask, shader, (canvas.Width() - mask.Width()) / 2, top);
}

}  // namespace Pictures
