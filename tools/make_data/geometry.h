#pragma once

#include <algorithm>
#include <cmath>

namespace qv::make_data {

struct Vec2 {
  double x = 0;
  double y = 0;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) {
  return {a.x + b.x, a.y + b.y};
}
constexpr Vec2 operator-(Vec2 a, Vec2 b) {
  return {a.x - b.x, a.y - b.y};
}
constexpr Vec2 operator*(Vec2 a, double s) {
  return {a.x * s, a.y * s};
}
constexpr double Dot(Vec2 a, Vec2 b) {
  return a.x * b.x + a.y * b.y;
}
// sqrt is exactly rounded everywhere, so distances come out bit-identical on every machine.
inline double Length(Vec2 a) {
  return std::sqrt(Dot(a, a));
}

constexpr double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}
constexpr double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}
constexpr double SmoothStep(double edge0, double edge1, double v) {
  const double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

// How much of a pixel a shape covers, from the signed distance at the pixel's centre.
constexpr double Coverage(double distance) {
  return Clamp01(0.5 - distance);
}

// Corner radii, clockwise from the top left.
struct Corners {
  double topLeft = 0;
  double topRight = 0;
  double bottomRight = 0;
  double bottomLeft = 0;
};

struct RoundBox {
  Vec2 center;
  Vec2 half;
  Corners radii;
};

struct Circle {
  Vec2 center;
  double radius = 0;
};

// A stroke from a to b with round ends.
struct Capsule {
  Vec2 a;
  Vec2 b;
  double radius = 0;
};

struct Triangle {
  Vec2 a;
  Vec2 b;
  Vec2 c;
};

// Signed distances: negative inside, in pixels of the design.
double Distance(const RoundBox& box, Vec2 p);
double Distance(const Circle& circle, Vec2 p);
double Distance(const Capsule& capsule, Vec2 p);
double Distance(const Triangle& triangle, Vec2 p);

// A box grown (or, with a negative amount, shrunk) evenly on every side, corners following.
RoundBox Grow(const RoundBox& box, double amount);
Circle Grow(const Circle& circle, double amount);

// Blends two shapes with a fillet of width k, so joins read as cast rather than glued.
double SmoothUnion(double a, double b, double k);

}  // namespace qv::make_data
