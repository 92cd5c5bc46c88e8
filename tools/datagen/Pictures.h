#ifndef TARVELLO_DATAGEN_PICTURES_H
#define TARVELLO_DATAGEN_PICTURES_H

#include <string>

#include "Canvas.h"

class TextRenderer;

// The font files the pictures are drawn with (the game's own fonts are copied separately).
struct PictureFonts {
    std::string bold;
    std::string regular;
    std::string italic;
};

// Every picture of the game, each drawn from scratch.
namespace Pictures {

Canvas TunnelTexture();    // seamless in both directions
Canvas ResultsBackdrop();  // calm, for black text
Canvas ConsolePanel();

Canvas TextButton(const PictureFonts& fonts, const std::string& label, int width, int height);
Canvas ThrowButton();
Canvas CheckBox();

Canvas Piece(int seat);  // 0 green, 1 red, 2 blue, 3 yellow, each with its emblem
Canvas DiceStrip();

Canvas Logo(const PictureFonts& fonts);
Canvas StudioCard(const PictureFonts& fonts);
Canvas LibraryCard(const PictureFonts& fonts);

// Helpers shared by the picture sources.
Colour BoardColour(int index);  // green, red, blue, yellow
Colour VerticalGradient(const Colour& top, const Colour& bottom, float y, float y0, float y1);
void PaintCentred(Canvas& canvas, const Mask& mask, int top, const Canvas::Shader& shader);

}  // namespace Pictures

#endif
