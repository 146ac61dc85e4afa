#pragma once

#include <functional>

#include "tools/make_data/canvas.h"
#include "tools/make_data/geometry.h"

namespace qv::make_data {

using Field = std::function<double(Vec2)>;

// One key light from the upper left, as on a desk under a lamp.
inline constexpr Vec2 kTowardLight{-0.6, -0.8};

// The outward direction of a field's contours at p (unit length, or zero where flat).
Vec2 Normal(const Field& field, Vec2 p);

// Light on a rounded edge `width` pixels wide, in -1..1: positive where it faces the light.
// A raised shape's rim catches the light on its upper left; a sunken one's on its lower right.
double RaisedEdgeLight(double distance, Vec2 normal, double width);
double SunkenEdgeLight(double distance, Vec2 normal, double width);

// Lays a shape over the canvas: `shade` colours each pixel the field covers, anti-aliased at the
// edge. Only pixels inside [left, right) × [top, bottom) are visited.
struct PixelBounds {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
void PaintShape(Canvas& canvas, const Field& field, PixelBounds bounds,
                const std::function<Rgb(Vec2 p, double distance)>& shade);

PixelBounds BoundsOf(const RoundBox& box, double margin);
PixelBounds BoundsOf(const Circle& circle, double margin);
PixelBounds WholeCanvas(const Canvas& canvas);

}  // namespace qv::make_data
