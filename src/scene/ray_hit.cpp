#include "scene/ray_hit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace cw::scene {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Vec3 Position(const Vertex& v) {
  return {v.x, v.y, v.z};
}

// Where the ray meets the triangle (Moller and Trumbore), or infinity.
double TriangleDistance(const Ray& ray, const Vec3& a, const Vec3& b, const Vec3& c) {
  const Vec3 edge1 = b - a;
  const Vec3 edge2 = c - a;
  const Vec3 p = Cross(ray.direction, edge2);
  const double determinant = Dot(edge1, p);
  if (determinant == 0) return kInfinity;  // the ray runs along the triangle's plane
  const double inverse = 1 / determinant;
  const Vec3 toOrigin = ray.origin - a;
  const double u = Dot(toOrigin, p) * inverse;
  if (u < 0 || u > 1) return kInfinity;
  const Vec3 q = Cross(toOrigin, edge1);
  const double v = Dot(ray.direction, q) * inverse;
  if (v < 0 || u + v > 1) return kInfinity;
  const double distance = Dot(edge2, q) * inverse;
  return distance >= 0 ? distance : kInfinity;
}

}  // namespace

double EntryDistance(const Ray& ray, const Box& box) {
  double enter = 0;
  double leave = kInfinity;
  const double origin[3] = {ray.origin.x, ray.origin.y, ray.origin.z};
  const double direction[3] = {ray.direction.x, ray.direction.y, ray.direction.z};
  const double low[3] = {box.min.x, box.min.y, box.min.z};
  const double high[3] = {box.max.x, box.max.y, box.max.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (direction[axis] == 0) {
      if (origin[axis] < low[axis] || origin[axis] > high[axis]) return kInfinity;
      continue;
    }
    double near = (low[axis] - origin[axis]) / direction[axis];
    double far = (high[axis] - origin[axis]) / direction[axis];
    if (near > far) std::swap(near, far);
    enter = std::max(enter, near);
    leave = std::min(leave, far);
    if (enter > leave) return kInfinity;
  }
  return enter;
}

std::optional<RayHit> HitTest(const LevelScene& scene, const Ray& ray,
                              std::optional<std::int32_t> highestFloor) {
  std::optional<RayHit> nearest;
  double best = kInfinity;
  for (const auto& [number, floor] : scene.floors()) {
    if (highestFloor && number > *highestFloor) break;
    for (const auto& [key, cell] : floor.cells) {
      if (EntryDistance(ray, cell.bounds) >= best) continue;
      for (const FacePolygon& face : cell.faces) {
        const Vertex* corners = cell.vertices.data() + face.firstVertex;
        const Vec3 first = Position(corners[0]);
        for (std::uint32_t i = 1; i + 1 < face.vertexCount; ++i) {
          const double distance =
              TriangleDistance(ray, first, Position(corners[i]), Position(corners[i + 1]));
          if (distance < best) {
            best = distance;
            nearest = RayHit{cell.cell, distance};
          }
        }
      }
    }
  }
  return nearest;
}

}  // namespace cw::scene
