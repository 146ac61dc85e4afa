#include "tools/make_data/shading.h"

#include <cmath>

namespace qv::make_data {

Vec2 Normal(const Field& field, Vec2 p) {
  constexpr double kStep = 0.5;
  const Vec2 gradient{field({p.x + kStep, p.y}) - field({p.x - kStep, p.y}),
                      field({p.x, p.y + kStep}) - field({p.x, p.y - kStep})};
  const double length = Length(gradient);
  return length > 1e-9 ? gradient * (1.0 / length) : Vec2{};
}

double RaisedEdgeLight(double distance, Vec2 normal, double width) {
  const double t = Clamp01(-distance / width);
  return Dot(normal, kTowardLight) * (1 - t) * (1 - t);
}

double SunkenEdgeLight(double distance, Vec2 normal, double width) {
  return -RaisedEdgeLight(distance, normal, width);
}

void PaintShape(Canvas& canvas, const Field& field, PixelBounds bounds,
                const std::function<Rgb(Vec2 p, double distance)>& shade) {
  const int left = std::max(bounds.left, 0);
  const int top = std::max(bounds.top, 0);
  const int right = std::min(bounds.right, canvas.width());
  const int bottom = std::min(bounds.bottom, canvas.height());
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Vec2 p{x + 0.5, y + 0.5};
      const double d = field(p);
      const double coverage = Coverage(d);
      if (coverage > 0) canvas.Blend(x, y, shade(p, d), coverage);
    }
  }
}

PixelBounds BoundsOf(const RoundBox& box, double margin) {
  const double halfX = box.half.x + margin;
  const double halfY = box.half.y + margin;
  return {static_cast<int>(std::floor(box.center.x - halfX)),
          static_cast<int>(std::floor(box.center.y - halfY)),
          static_cast<int>(std::ceil(box.center.x + halfX)) + 1,
          static_cast<int>(std::ceil(box.center.y + halfY)) + 1};
}

PixelBounds BoundsOf(const Circle& circle, double margin) {
  return BoundsOf(RoundBox{circle.center, {circle.radius, circle.radius}, {}}, margin);
}

PixelBounds WholeCanvas(const Canvas& canvas) {
  return {0, 0, canvas.width(), canvas.height()};
}

}  // namespace qv::make_data
