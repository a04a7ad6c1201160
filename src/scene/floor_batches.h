#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "scene/cell_geometry.h"
#include "scene/entity_family.h"

namespace cw::scene {

// The faces of one texture and family on a floor, as triangles: the renderer binds the texture
// once and draws the batch with the family's tint.
struct DrawBatch {
  std::uint32_t texture = 0;  // the texture's number in the scene's TextureNames
  BrushFamily family = BrushFamily::kWorld;
  std::vector<Vertex> vertices;
  std::vector<std::uint32_t> indices;  // three per triangle, counter-clockwise seen from outside
};

// A floor's batches, ordered by texture and then family.
struct FloorBatches {
  std::vector<DrawBatch> batches;
  std::uint64_t revision = 0;  // the floor's revision they were made from
};

// Merges the faces of a floor's cells, each polygon cut into a fan of triangles.
FloorBatches MergeFloor(const std::map<std::pair<std::int32_t, std::int32_t>, CellGeometry>& cells);

}  // namespace cw::scene
