#pragma once

#include "formats/map_text.h"
#include "scene/vec3.h"

namespace cw::scene {

// How the Quake map compilers lay a face's texture on it: the base axis pair of the one of the
// six axis planes closest to the face (floor and ceiling first on a tie, then the walls facing
// +X, -X, +Y, -Y), turned by the rotation and divided by the scales (a zero scale counting as
// 1), then s = dot(point, sAxis) + xOffset and t = dot(point, tAxis) + yOffset, in texels.
struct TextureProjection {
  Vec3 sAxis;
  Vec3 tAxis;
  double sOffset = 0;
  double tOffset = 0;
  bool fromAbove = false;  // projected from the floor and ceiling plane, not from a wall
};

// The numbers of a face line that place its texture.
struct FaceTexture {
  double xOffset = 0;
  double yOffset = 0;
  double rotation = 0;  // degrees
  double xScale = 1;
  double yScale = 1;
};

TextureProjection ProjectTexture(const FaceTexture& texture, const Plane& plane);
TextureProjection ProjectTexture(const formats::MapFace& face, const Plane& plane);

struct TexturePoint {
  double s = 0;
  double t = 0;
};
inline TexturePoint TextureAt(const TextureProjection& projection, Vec3 point) {
  return {Dot(point, projection.sAxis) + projection.sOffset,
          Dot(point, projection.tAxis) + projection.tOffset};
}

}  // namespace cw::scene
