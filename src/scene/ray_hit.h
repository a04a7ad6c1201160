#pragma once

#include <cstdint>
#include <optional>

#include "document/records.h"
#include "scene/level_scene.h"
#include "scene/vec3.h"

namespace cw::scene {

// A ray from origin along direction (any length but zero).
struct Ray {
  Vec3 origin;
  Vec3 direction;
};

// The face nearest along a ray: its cell, and where it lies, in lengths of the ray's direction.
struct RayHit {
  document::Cell cell;
  double distance = 0;
};

// Where the ray enters the box (slab by slab), in lengths of its direction; zero when it starts
// inside, infinity when it misses.
double EntryDistance(const Ray& ray, const Box& box);

// The nearest face that the ray meets, from either side, on the floors up to highestFloor (the
// current floor when the floors above it are cut away), or on every floor when none is given.
std::optional<RayHit> HitTest(const LevelScene& scene, const Ray& ray,
                              std::optional<std::int32_t> highestFloor = std::nullopt);

}  // namespace cw::scene
