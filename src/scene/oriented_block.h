#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/block_template.h"
#include "compiler/face_line.h"
#include "scene/entity_family.h"
#include "scene/texture_names.h"
#include "scene/texture_projection.h"
#include "scene/vec3.h"

namespace cw::scene {

// A face of a template brush turned by one orientation: its points oriented as the compiler
// orients them (OrientPoint, then points 1 and 3 exchanged for a mirroring orientation), still
// around the template's origin; a block's cell reference point is added when it is placed.
struct OrientedFace {
  std::vector<Vec3> polygon;  // corners counter-clockwise seen from outside the brush
  Plane plane;                // through the oriented points, its normal out of the brush
  std::uint32_t texture = 0;  // the texture's number in the scene's TextureNames
  compiler::FaceClass faceClass = compiler::FaceClass::kHorizontal;  // from the template points
  compiler::TextureFields fields;  // the texture fields as the template has them
  // The fields realigned for the orientation with the template where it is authored (no shift),
  // and their projection: a cell's realignment changes only the offsets.
  compiler::TextureFields turned;
  TextureProjection projection;
  float shade = 1;
};

struct OrientedBrush {
  std::vector<OrientedFace> faces;
};

// An entity of a template's entity section: its classname, the origin its template gives (placed
// with PlacePoint for each block), and its brushes.
struct OrientedEntity {
  std::string classname;
  std::optional<std::array<std::int32_t, 3>> origin;
  std::vector<OrientedBrush> brushes;
  PointFamily pointFamily = PointFamily::kOther;
  BrushFamily brushFamily = BrushFamily::kOtherEntity;
};

// A block template turned by one orientation: the same for every block record of that name and
// flags, so a scene makes it once.
struct OrientedBlock {
  std::vector<OrientedBrush> worldBrushes;
  std::vector<OrientedEntity> entities;
  std::size_t faceCount = 0;  // of the world's and the entities' brushes together
  std::size_t cornerCount = 0;
  Box bounds = EmptyBox();  // of every corner
};

// Reads the brushes and entities of a template the way the map compiler writes them and a map
// reader takes them back: in the worldspawn section each "{" opens a brush; in the entity section
// a "{" opens an entity, and a "{" within an entity one of its brushes. Faces are the lines that
// the compiler places; a brush keeps the faces that bound its solid (the intersection of the
// half-spaces behind their planes), and a brush that encloses no finite solid is left out, as the
// Quake compilers leave it out. playerStarts: the classnames that count as player starts.
OrientedBlock OrientBlock(const compiler::BlockTemplate& block, std::int32_t flags,
                          const std::vector<std::string>& playerStarts, TextureNames& textures);

// The texture fields as the projection takes them.
FaceTexture TextureOf(const compiler::TextureFields& fields);

// The light of a face from its direction: a fixed light from above, a little to the +X and +Y
// side, so that floors, ceilings and the four kinds of walls each get a shade of their own.
float ShadeOf(const Vec3& normal);

}  // namespace cw::scene
