#pragma once

#include <map>
#include <string>
#include <vector>

#include "formats/map_text.h"
#include "scene/vec3.h"

namespace cw::testing {

using formats::MapEntity;
using formats::MapFace;
using scene::Plane;
using scene::Vec3;

// A face of a sound brush with its plane (unit normal) and the polygon it covers.
struct PlacedFace {
  MapFace face;
  Plane plane;
  std::vector<Vec3> polygon;
};

// The faces of every sound brush of the entities, world and brush entities alike.
std::vector<PlacedFace> CollectPlacedFaces(const std::vector<MapEntity>& entities);

struct TextureSize {
  int width = 0;
  int height = 0;
};

// An edge along which a texture does not continue from one face onto its neighbour.
struct TextureSeam {
  std::string texture;
  int firstLine = 0;  // the face lines of the two faces
  int secondLine = 0;
  Vec3 from;  // the edge they share
  Vec3 to;
};

// Faces of `first` and of `second` that lie in one plane, face the same way and carry the same
// texture meet along the edges that their polygons share. Along each such edge the texture of the
// second face must continue that of the first, the texture coordinates of the two agreeing
// modulo the texture's size at every point: exactly, or, where the two blocks are `turned`
// against each other, up to a symmetry of the tile that keeps the tile's corners in place, which
// is all that a turned or mirrored neighbour can be: on a wall a mirror of the horizontal
// coordinate, on a floor or ceiling mirrors of either coordinate and, for a square texture,
// quarter turns. Textures missing from `sizes` are not checked.
struct SeamSearch {
  std::vector<TextureSeam> seams;
  std::size_t sharedEdges = 0;  // how many edges were looked at, seams or not
};
SeamSearch FindTextureSeams(const std::vector<PlacedFace>& first,
                            const std::vector<PlacedFace>& second,
                            const std::map<std::string, TextureSize>& sizes, bool turned);

}  // namespace cw::testing
