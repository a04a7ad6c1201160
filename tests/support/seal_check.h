#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "formats/map_text.h"
#include "scene/vec3.h"

namespace cw::testing {

using formats::MapEntity;
using scene::Box;
using scene::Plane;
using scene::Vec3;

// A solid as the flood sees it: its planes and bounding box.
struct SolidBrush {
  std::vector<Plane> planes;
  Box bounds;
};

// The sound brushes of the world entity (the first entity whose classname is "worldspawn"), the
// only brushes that close a level: doors and other brush entities move, triggers are not solid.
// Brushes that are not sound solids are left out and counted in skipped.
struct WorldSolids {
  std::vector<SolidBrush> solids;
  std::size_t skipped = 0;
};
WorldSolids CollectWorldSolids(const std::vector<MapEntity>& entities);

// A flood through empty space on a grid of cubes of side step, from the cube that holds start.
// The grid covers the solids' bounding box and one more layer of cubes all round; a cube is solid
// when its centre lies inside (or on) a solid. The level is sealed when the flood never reaches
// that outer layer. Gaps much narrower than step can go unseen: the check is coarse by design.
class SealFlood {
 public:
  SealFlood(const std::vector<SolidBrush>& solids, double step);

  struct Result {
    bool startInSolid = false;
    bool sealed = false;
    std::size_t reachedCubes = 0;
    std::optional<Vec3> leak;  // centre of the first outer cube reached
  };
  Result Flood(Vec3 start);
  // Whether the last flood reached the cube that holds the point.
  bool Reached(Vec3 point) const;

 private:
  std::optional<std::size_t> CubeOf(Vec3 point) const;
  Vec3 Centre(std::size_t x, std::size_t y, std::size_t z) const;

  double step_;
  Vec3 origin_;
  std::size_t nx_ = 0, ny_ = 0, nz_ = 0;
  std::vector<bool> solid_;
  std::vector<bool> reached_;
};

}  // namespace cw::testing
