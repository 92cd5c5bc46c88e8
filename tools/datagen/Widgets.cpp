#include <functional>

#include "Pictures.h"
#include "Shapes.h"
#include "TextRenderer.h"
#include "game/Commands.h"

namespace Pictures {

namespace {
enum ButtonState { Normal, Hovered, Pressed };

struct ButtonLook {
    Colour top, bottom;
};

ButtonLook LookOf(ButtonState state) {
    switch (state) {
        case Hovered:
            return {Rgb(125, 190, 255), Rgb(55, 125, 240)};
        case Pressed:
            return {Rgb(28, 72, 165), Rgb(52, 112, 214)};
        default:
            return {Rgb(88, 152, 242), Rgb(32, 88, 200)};
    }
}

// Paints what sits on the button with its top-left corner at (x, y).
using Content = std::function<void(Canvas&, int x, int y)>;

// One frame: a rounded body; at rest it floats 2 pixels above its shadow, pressed it sits on it.
void PaintFrame(Canvas& canvas, int ox, int w, int h, ButtonState state, const Content& content) {
    float radius = std::min(12.0f, w / 2.5f);
    int lift = state == Pressed ? 2 : 0;
    float top = 1 + lift, bottom = h - 3 + lift;
    auto body = [=](float inset) {
        return Mask::FromDistance(w, h, [=](float x, float y) {
            return Shapes::RoundedBox(x, y, 1 + inset, top + inset, w - 1 - inset, bottom - inset,
                                      radius - inset);
        });
    };
    if (state != Pressed) {
        Mask shadow = Mask::FromDistance(w, h, [=](float x, float y) {
            return Shapes::RoundedBox(x, y, 1, 3, w - 1, h - 0.5f, radius) / 1.5f;
        });
        canvas.Paint(shadow, Rgb(0, 0, 30, 0.45f), ox, 0);
    }
    ButtonLook look = LookOf(state);
    canvas.Paint(body(0), Rgb(16, 36, 96), ox, 0);
    canvas.Paint(
        body(1.5f),
        [=](float, float y) { return VerticalGradient(look.top, look.bottom, y, top, bottom); }, ox,
        0);
    if (state != Pressed) {
        Mask gloss = body(2.5f);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (y > (top + bottom) / 2) gloss.Set(x, y, 0.0f);
        canvas.Paint(gloss, Rgb(255, 255, 255, state == Hovered ? 0.28f : 0.2f), ox, 0);
    } else {
        Mask inset = body(1.5f).Without(body(4.0f));
        canvas.Paint(inset, Rgb(0, 0, 40, 0.25f), ox, 0);
    }
    content(canvas, ox, lift);
}

Canvas ButtonStrip(int w, int h, const Content& content) {
    Canvas canvas(3 * w, h);
    for (int state = Normal; state <= Pressed; ++state)
        PaintFrame(canvas, state * w, w, h, static_cast<ButtonState>(state), content);
    return canvas;
}

Mask Shifted(const Mask& mask, int w, int h, float dx, float dy) {
    Mask out(w, h);
    out.Place(mask, static_cast<int>(dx), static_cast<int>(dy));
    return out;
}
}  // namespace

Canvas TextButton(const PictureFonts& fonts, const std::string& label, int w, int h) {
    TextRenderer font(fonts.bold, 20);
    Mask text = font.Render(label);
    int tx = (w - text.Width()) / 2, ty = (h - 2 - text.Height()) / 2;
    return ButtonStrip(w, h, [&](Canvas& canvas, int x, int y) {
        canvas.Paint(text, Rgb(10, 30, 80, 0.7f), x + tx + 1, y + ty + 1);
        canvas.Paint(text, Rgb(255, 255, 255), x + tx, y + ty);
    });
}

Canvas ThrowButton() {
    const int w = kThrowButton.width, h = kThrowButton.height;
    Mask die = Mask::FromDistance(
        w, h, [](float x, float y) { return Shapes::RoundedBox(x, y, 6, 7, 24, 25, 4); });
    Mask pips(w, h);
    const float spots[5][2] = {
        {10.5f, 11.5f}, {19.5f, 11.5f}, {15, 16}, {10.5f, 20.5f}, {19.5f, 20.5f}};
    for (const auto* s : spots)
        pips.Place(
            Mask::FromDistance(
                w, h, [&](float x, float y) { return Shapes::Circle(x, y, s[0], s[1], 1.9f); }),
            0, 0);
    Mask arrow = Mask::FromDistance(w, h, [](float x, float y) {
        float shaft = Shapes::Segment(x, y, 12, 41, 23, 41, 2.2f);
        float head = Shapes::Triangle(x, y, 5, 41, 14, 34, 14, 48);
        return std::min(shaft, head);
    });
    return ButtonStrip(w, h, [&](Canvas& canvas, int x, int y) {
        canvas.Paint(Shifted(die, w, h, 1, 1), Rgb(10, 30, 80, 0.6f), x, y);
        canvas.Paint(die, Rgb(255, 255, 255), x, y);
        canvas.Paint(pips, Rgb(30, 60, 150), x, y);
        canvas.Paint(Shifted(arrow, w, h, 1, 1), Rgb(10, 30, 80, 0.6f), x, y);
        canvas.Paint(arrow, Rgb(255, 255, 255), x, y);
    });
}

Canvas CheckBox() {
    const int s = 24;
    Canvas canvas(2 * s, s);
    Mask border = Mask::FromDistance(
        s, s, [](float x, float y) { return Shapes::RoundedBox(x, y, 2, 2, 22, 22, 5); });
    Mask face = Mask::FromDistance(s, s, [](float x, float y) {
        return Shapes::RoundedBox(x, y, 3.5f, 3.5f, 20.5f, 20.5f, 3.5f);
    });
    Mask tick = Mask::FromDistance(s, s, [](float x, float y) {
        return std::min(Shapes::Segment(x, y, 6.5f, 12.5f, 10.5f, 17, 1.8f),
                        Shapes::Segment(x, y, 10.5f, 17, 18.5f, 6.5f, 1.8f));
    });
    for (int frame = 0; frame < 2; ++frame) {
        canvas.Paint(border, Rgb(60, 70, 110), frame * s, 0);
        canvas.Paint(
            face,
            [](float, float y) {
                return VerticalGradient(Rgb(235, 238, 245), Rgb(255, 255, 255), y, 3, 21);
            },
            frame * s, 0);
    }
    canvas.Paint(tick, Rgb(0, 70, 20, 0.35f), s + 1, 1);
    canvas.Paint(tick, Rgb(30, 170, 60), s, 0);
    return canvas;
}

}  // namespace Pictures
