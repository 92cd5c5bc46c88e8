#include <cmath>

#include "Pictures.h"
#include "SDL_Engine/WindowSize.h"
#include "SeededRandom.h"
#include "Shapes.h"
#include "TextRenderer.h"

namespace Pictures {

namespace {
Canvas::Shader Gradient(const Colour& top, const Colour& bottom, float y0, float y1) {
    return [=](float, float y) { return VerticalGradient(top, bottom, y, y0, y1); };
}

// Text with a soft shadow, painted centred at the given top.
void PaintTitle(Canvas& canvas, const Mask& text, int top, const Canvas::Shader& fill,
                float shadowAlpha) {
    Mask shadow = text.Padded(6).Blurred(2);
    canvas.Paint(shadow, Rgb(0, 0, 0, shadowAlpha), (canvas.Width() - shadow.Width()) / 2 + 3,
                 top - 6 + 4);
    PaintCentred(canvas, text, top, fill);
}
}  // namespace

Canvas Logo(const PictureFonts& fonts) {
    TextRenderer font(fonts.bold, 92);
    Mask text = font.Render("Tarvello").Padded(9);
    const int w = text.Width(), h = text.Height() + 15;
    Canvas canvas(w + 8, h + 8);
    Mask rim = text.Grown(7.5f), outline = text.Grown(4.5f);
    canvas.Paint(rim.Blurred(2), Rgb(0, 0, 20, 0.55f), 6, 7);
    canvas.Paint(rim, Rgb(255, 255, 255), 0, 0);
    canvas.Paint(outline, Rgb(52, 24, 92), 0, 0);
    float top = text.Height() * 0.25f, bottom = text.Height() * 0.78f;
    canvas.Paint(text, Gradient(Rgb(255, 236, 120), Rgb(245, 120, 30), top, bottom), 0, 0);
    Mask gloss = text;
    for (int y = static_cast<int>((top + bottom) / 2); y < gloss.Height(); ++y)
        for (int x = 0; x < gloss.Width(); ++x) gloss.Set(x, y, 0.0f);
    canvas.Paint(gloss, Rgb(255, 255, 255, 0.3f), 0, 0);
    // A row of the four players' tokens in the room the word leaves below its baseline.
    for (int i = 0; i < 4; ++i) {
        Canvas token = Piece(i);
        canvas.Draw(token, w / 2 - 70 + 36 * i, h - 33);
    }
    return canvas;
}

namespace {
const Colour Gold = Rgb(250, 205, 90), DeepGold = Rgb(200, 120, 30);

void PaintStars(Canvas& canvas) {
    SeededRandom random(2026);
    for (int i = 0; i < 140; ++i) {
        float sx = random.Between(0, kWindowWidth), sy = random.Between(0, kWindowHeight);
        float r = random.Between(0.4f, 1.3f);
        int left = static_cast<int>(sx) - 3, top = static_cast<int>(sy) - 3;
        Mask star = Mask::FromDistance(
            7, 7, [=](float x, float y) { return Shapes::Circle(x + left, y + top, sx, sy, r); });
        canvas.Paint(star, Rgb(220, 220, 255, random.Between(0.25f, 0.8f)), left, top);
    }
}

// A golden ring holding a V, with the four players' colours set into the ring.
void PaintEmblem(Canvas& canvas) {
    Mask ring = Mask::FromDistance(kWindowWidth, kWindowHeight, [](float x, float y) {
        return std::fabs(Shapes::Circle(x, y, 300, 200, 72)) - 3.5f;
    });
    Mask vee = Mask::FromDistance(kWindowWidth, kWindowHeight, [](float x, float y) {
        return std::min(Shapes::Segment(x, y, 264, 168, 300, 240, 9),
                        Shapes::Segment(x, y, 336, 168, 300, 240, 9));
    });
    canvas.Paint(ring.Blurred(3), Rgb(255, 200, 90, 0.35f));
    canvas.Paint(ring, Gradient(Gold, DeepGold, 128, 272));
    canvas.Paint(vee, Gradient(Gold, DeepGold, 160, 250));
    const float spots[4][2] = {{228, 200}, {300, 128}, {372, 200}, {300, 272}};
    for (int i = 0; i < 4; ++i) {
        auto dot = [&](float radius) {
            return Mask::FromDistance(kWindowWidth, kWindowHeight, [&](float x, float y) {
                return Shapes::Circle(x, y, spots[i][0], spots[i][1], radius);
            });
        };
        canvas.Paint(dot(9.5f), Rgb(30, 20, 60));
        canvas.Paint(dot(6.5f), BoardColour(i));
    }
}

Canvas::Shader Ink(const Colour& colour) {
    return [colour](float, float) { return colour; };
}
}  // namespace

Canvas StudioCard(const PictureFonts& fonts) {
    Canvas canvas(kWindowWidth, kWindowHeight);
    canvas.Fill([](float x, float y) {
        float d = std::hypot(x - 300, y - 260) / 420.0f;
        return Mix(Rgb(48, 30, 92), Rgb(8, 6, 22), Clamp01(d));
    });
    PaintStars(canvas);
    PaintEmblem(canvas);
    TextRenderer big(fonts.bold, 60), small(fonts.bold, 22), italic(fonts.italic, 28);
    PaintTitle(canvas, big.RenderSpaced("VELKOR", 10), 312, Gradient(Gold, DeepGold, 322, 382),
               0.6f);
    PaintTitle(canvas, small.RenderSpaced("GAMES", 16), 398, Ink(Rgb(150, 190, 255)), 0.5f);
    PaintTitle(canvas, italic.Render("presents"), 490, Ink(Rgb(200, 190, 230)), 0.5f);
    return canvas;
}

Canvas LibraryCard(const PictureFonts& fonts) {
    Canvas canvas(kWindowWidth, kWindowHeight);
    canvas.Fill([](float x, float y) {
        float d = std::hypot(x - 300, y - 280) / 480.0f;
        return Mix(Rgb(255, 255, 255), Rgb(196, 210, 232), Clamp01(d));
    });
    TextRenderer caption(fonts.italic, 30), huge(fonts.bold, 130), name(fonts.regular, 24),
        note(fonts.regular, 16);
    PaintTitle(canvas, caption.Render("made with"), 150, Ink(Rgb(90, 96, 120)), 0.0f);
    PaintTitle(canvas, huge.RenderSpaced("SDL", 6), 200,
               Gradient(Rgb(40, 90, 200), Rgb(16, 36, 110), 230, 340), 0.35f);
    Mask rule = Mask::FromDistance(kWindowWidth, kWindowHeight, [](float x, float y) {
        return Shapes::Segment(x, y, 170, 378, 430, 378, 1.0f);
    });
    canvas.Paint(rule, Rgb(16, 36, 110, 0.5f));
    PaintTitle(canvas, name.Render("Simple DirectMedia Layer"), 392, Ink(Rgb(30, 40, 80)), 0.0f);
    PaintTitle(canvas, note.Render("with SDL_image, SDL_mixer and SDL_ttf"), 440,
               Ink(Rgb(80, 90, 120)), 0.0f);
    return canvas;
}

}  // namespace Pictures
