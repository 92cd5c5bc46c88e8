#ifndef TARVELLO_DATAGEN_CANVAS_H
#define TARVELLO_DATAGEN_CANVAS_H

#include <cstdint>
#include <functional>
#include <vector>

#include "Colour.h"
#include "Mask.h"

// An RGBA picture in floating point (premultiplied inside) that shapes and text are painted on.
class Canvas {
  public:
    using Shader = std::function<Colour(float x, float y)>;

    Canvas(int w, int h);  // fully transparent

    int Width() const { return width; }
    int Height() const { return height; }

    void Fill(const Shader& shader);  // replaces every pixel
    void Paint(const Mask& mask, const Colour& colour, int x = 0, int y = 0);
    void Paint(const Mask& mask, const Shader& shader, int x = 0, int y = 0);
    void Draw(const Canvas& other, int x, int y);
    Colour Get(int x, int y) const;  // straight alpha

    std::vector<uint8_t> Rgba() const;
    std::vector<uint8_t> Rgb() const;  // alpha dropped

  private:
    void Over(int x, int y, const Colour& colour, float coverage);

    int width;
    int height;
    std::vector<float> pixels;  // premultiplied r, g, b, a
};

#endif
