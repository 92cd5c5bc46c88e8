#ifndef TARVELLO_DATAGEN_SHAPES_H
#define TARVELLO_DATAGEN_SHAPES_H

// Signed distances in pixels (negative inside) of the shapes the pictures are built from.
namespace Shapes {

float Circle(float x, float y, float cx, float cy, float radius);
float RoundedBox(float x, float y, float left, float top, float right, float bottom, float radius);
float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
float Triangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy);

}  // namespace Shapes

#endif
