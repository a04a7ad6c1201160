#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace cw::scene {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
  bool operator==(const Vec3&) const = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
inline double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) {
  return std::sqrt(Dot(a, a));
}

// A plane n·p = d; the solid side is behind it, where n·p <= d.
struct Plane {
  Vec3 normal;
  double distance = 0;
  double Side(Vec3 p) const { return Dot(normal, p) - distance; }
};

// An axis-aligned box.
struct Box {
  Vec3 min;
  Vec3 max;
};

// The box around nothing: min above max, so that any point included makes it that point.
inline Box EmptyBox() {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return {{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
}

// The box grown to hold the point.
inline void Include(Box& box, const Vec3& p) {
  box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
  box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
}

}  // namespace cw::scene
