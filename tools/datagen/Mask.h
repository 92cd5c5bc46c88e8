#ifndef TARVELLO_DATAGEN_MASK_H
#define TARVELLO_DATAGEN_MASK_H

#include <functional>
#include <vector>

// A grey-level coverage map (0 = empty, 1 = covered), the stencil for painting shapes and text.
class Mask {
  public:
    Mask() = default;
    Mask(int w, int h);

    // Coverage from a signed distance (in pixels, negative inside) sampled at pixel centres.
    static Mask FromDistance(int width, int height, const std::function<float(float, float)>& d);

    int Width() const { return width; }
    int Height() const { return height; }
    float At(int x, int y) const;
    void Set(int x, int y, float value) { values[y * width + x] = value; }

    void Place(const Mask& other, int x, int y);  // the larger coverage wins
    Mask Grown(float radius) const;               // every covered pixel spreads over a disc
    Mask Blurred(int radius) const;               // three box passes, close to a Gaussian
    Mask Padded(int border) const;
    Mask Multiplied(const Mask& other) const;
    Mask Without(const Mask& other) const;

  private:
    Mask BoxBlurred(int radius, bool horizontal) const;

    int width = 0;
    int height = 0;
    std::vector<float> values;
};

#endif
