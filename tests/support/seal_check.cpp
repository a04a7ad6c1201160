#include "support/seal_check.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>

#include "scene/polyhedron.h"

namespace cw::testing {

using formats::MapBrush;
using formats::MapFace;
using scene::BrushReport;
using scene::CheckBrush;
using scene::FacePlane;

WorldSolids CollectWorldSolids(const std::vector<MapEntity>& entities) {
  WorldSolids world;
  for (const MapEntity& entity : entities) {
    if (entity.ClassName() != "worldspawn") continue;
    for (const MapBrush& brush : entity.brushes) {
      BrushReport report = CheckBrush(brush);
      if (!report.solid) {
        ++world.skipped;
        continue;
      }
      SolidBrush solid;
      for (const MapFace& face : brush.faces) solid.planes.push_back(*FacePlane(face));
      solid.bounds = report.solid->bounds;
      world.solids.push_back(std::move(solid));
    }
    break;
  }
  return world;
}

SealFlood::SealFlood(const std::vector<SolidBrush>& solids, double step) : step_(step) {
  if (solids.empty()) return;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  Box all{{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
  for (const SolidBrush& solid : solids) {
    all.min = {std::min(all.min.x, solid.bounds.min.x), std::min(all.min.y, solid.bounds.min.y),
               std::min(all.min.z, solid.bounds.min.z)};
    all.max = {std::max(all.max.x, solid.bounds.max.x), std::max(all.max.y, solid.bounds.max.y),
               std::max(all.max.z, solid.bounds.max.z)};
  }
  origin_ = all.min - Vec3{step, step, step};
  auto cubes = [&](double from, double to) {
    return static_cast<std::size_t>(std::ceil((to - from) / step)) + 2;
  };
  nx_ = cubes(all.min.x, all.max.x);
  ny_ = cubes(all.min.y, all.max.y);
  nz_ = cubes(all.min.z, all.max.z);
  solid_.assign(nx_ * ny_ * nz_, false);
  for (const SolidBrush& solid : solids) {
    auto first = [&](double from, double o) {
      return static_cast<std::size_t>(std::max(0.0, std::floor((from - o) / step)));
    };
    auto last = [&](double to, double o, std::size_t n) {
      return std::min(n - 1, static_cast<std::size_t>(std::floor((to - o) / step)));
    };
    for (std::size_t z = first(solid.bounds.min.z, origin_.z);
         z <= last(solid.bounds.max.z, origin_.z, nz_); ++z) {
      for (std::size_t y = first(solid.bounds.min.y, origin_.y);
           y <= last(solid.bounds.max.y, origin_.y, ny_); ++y) {
        for (std::size_t x = first(solid.bounds.min.x, origin_.x);
             x <= last(solid.bounds.max.x, origin_.x, nx_); ++x) {
          Vec3 centre = Centre(x, y, z);
          bool inside = std::all_of(solid.planes.begin(), solid.planes.end(),
                                    [&](const Plane& plane) { return plane.Side(centre) <= 0; });
          if (inside) solid_[(z * ny_ + y) * nx_ + x] = true;
        }
      }
    }
  }
}

Vec3 SealFlood::Centre(std::size_t x, std::size_t y, std::size_t z) const {
  return origin_ + Vec3{(static_cast<double>(x) + 0.5) * step_,
                        (static_cast<double>(y) + 0.5) * step_,
                        (static_cast<double>(z) + 0.5) * step_};
}

std::optional<std::size_t> SealFlood::CubeOf(Vec3 point) const {
  Vec3 local = point - origin_;
  double cx = std::floor(local.x / step_), cy = std::floor(local.y / step_),
         cz = std::floor(local.z / step_);
  if (cx < 0 || cy < 0 || cz < 0 || cx >= static_cast<double>(nx_) ||
      cy >= static_cast<double>(ny_) || cz >= static_cast<double>(nz_)) {
    return std::nullopt;
  }
  auto x = static_cast<std::size_t>(cx), y = static_cast<std::size_t>(cy),
       z = static_cast<std::size_t>(cz);
  return (z * ny_ + y) * nx_ + x;
}

SealFlood::Result SealFlood::Flood(Vec3 start) {
  Result result;
  reached_.assign(solid_.size(), false);
  auto startCube = CubeOf(start);
  if (!startCube) {
    // Outside every solid's reach: nothing can close it in.
    result.leak = start;
    return result;
  }
  if (solid_[*startCube]) {
    result.startInSolid = true;
    return result;
  }
  std::deque<std::size_t> queue{*startCube};
  reached_[*startCube] = true;
  result.sealed = true;
  while (!queue.empty()) {
    std::size_t cube = queue.front();
    queue.pop_front();
    ++result.reachedCubes;
    std::size_t x = cube % nx_, y = cube / nx_ % ny_, z = cube / (nx_ * ny_);
    if (x == 0 || y == 0 || z == 0 || x + 1 == nx_ || y + 1 == ny_ || z + 1 == nz_) {
      result.sealed = false;
      result.leak = Centre(x, y, z);
      break;
    }
    const std::size_t neighbours[] = {cube - 1,   cube + 1,         cube - nx_,
                                      cube + nx_, cube - nx_ * ny_, cube + nx_ * ny_};
    for (std::size_t next : neighbours) {
      if (!solid_[next] && !reached_[next]) {
        reached_[next] = true;
        queue.push_back(next);
      }
    }
  }
  return result;
}

bool SealFlood::Reached(Vec3 point) const {
  auto cube = CubeOf(point);
  return cube && !reached_.empty() && reached_[*cube];
}

}  // namespace cw::testing
