#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/records.h"
#include "scene/entity_family.h"
#include "scene/oriented_block.h"
#include "scene/vec3.h"
#include "settings/placement_settings.h"

namespace cw::scene {

// A corner of a face as the renderer draws it.
struct Vertex {
  float x = 0;  // world units
  float y = 0;
  float z = 0;
  float s = 0;  // texture coordinates in texels: the renderer divides them by the texture's size
  float t = 0;
  float shade = 1;  // the face's light from its direction, 0 to 1
};

// A face of a placed brush: a convex polygon of vertexCount corners from firstVertex, counter-
// clockwise seen from outside the brush.
struct FacePolygon {
  std::uint32_t firstVertex = 0;
  std::uint32_t vertexCount = 0;
  std::uint32_t texture = 0;  // the texture's number in the scene's TextureNames
  std::uint32_t brush = 0;    // the brush's number within its cell
  BrushFamily family = BrushFamily::kWorld;
};

struct PointEntity {
  Vec3 origin;
  std::string classname;
  PointFamily family = PointFamily::kOther;
};

// What the block records of one cell put into the level, in the order of their records: for each
// record the world brushes of its template, then the brushes of its entities.
struct CellGeometry {
  document::Cell cell;
  std::vector<Vertex> vertices;
  std::vector<FacePolygon> faces;
  std::vector<PointEntity> points;
  std::uint32_t brushes = 0;
  Box bounds = EmptyBox();  // of every corner and point entity

  bool empty() const { return faces.empty() && points.empty(); }
};

// Adds a block record's brushes and point entities to the geometry of its cell, placed as Build
// places them: every corner moved by the record's cell reference point, each face's texture
// realigned with AlignTexture for that cell and projected onto the face the standard Quake way.
// A point entity stands at its placed origin, or at the world's origin when it has none.
void AddPlacedBlock(CellGeometry& cell, const OrientedBlock& block,
                    const document::BlockRecord& record,
                    const settings::PlacementSettings& placement);

}  // namespace cw::scene
