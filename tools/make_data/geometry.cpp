#include "tools/make_data/geometry.h"

namespace qv::make_data {

double Distance(const RoundBox& box, Vec2 p) {
  const Vec2 local = p - box.center;
  const double radius = local.x < 0 ? (local.y < 0 ? box.radii.topLeft : box.radii.bottomLeft)
                                    : (local.y < 0 ? box.radii.topRight : box.radii.bottomRight);
  const Vec2 q{std::abs(local.x) - box.half.x + radius, std::abs(local.y) - box.half.y + radius};
  const Vec2 outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
  return Length(outside) + std::min(std::max(q.x, q.y), 0.0) - radius;
}

double Distance(const Circle& circle, Vec2 p) {
  return Length(p - circle.center) - circle.radius;
}

double Distance(const Capsule& capsule, Vec2 p) {
  const Vec2 along = capsule.b - capsule.a;
  const Vec2 offset = p - capsule.a;
  const double t = Clamp01(Dot(offset, along) / Dot(along, along));
  return Length(offset - along * t) - capsule.radius;
}

double Distance(const Triangle& triangle, Vec2 p) {
  const Vec2 corners[3] = {triangle.a, triangle.b, triangle.c};
  double nearest = 1e300;
  int inside = 0;
  for (int i = 0; i < 3; ++i) {
    const Vec2 from = corners[i];
    const Vec2 edge = corners[(i + 1) % 3] - from;
    const Vec2 offset = p - from;
    const double t = Clamp01(Dot(offset, edge) / Dot(edge, edge));
    nearest = std::min(nearest, Length(offset - edge * t));
    const double side = edge.x * offset.y - edge.y * offset.x;
    inside += side > 0 ? 1 : (side < 0 ? -1 : 0);
  }
  return (inside == 3 || inside == -3) ? -nearest : nearest;
}

RoundBox Grow(const RoundBox& box, double amount) {
  const auto grow = [amount](double r) { return std::max(r + amount, 0.0); };
  return {box.center,
          {box.half.x + amount, box.half.y + amount},
          {grow(box.radii.topLeft), grow(box.radii.topRight), grow(box.radii.bottomRight),
           grow(box.radii.bottomLeft)}};
}

Circle Grow(const Circle& circle, double amount) {
  return {circle.center, circle.radius + amount};
}

double SmoothUnion(double a, double b, double k) {
  const double h = std::max(k - std::abs(a - b), 0.0) / k;
  return std::min(a, b) - h * h * k * 0.25;
}

}  // namespace qv::make_data
