#pragma once

#include "kit/map_text.h"
#include "kit/vec3.h"

namespace cw::kit {

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

TextureProjection ProjectTexture(const MapFace& face, const Plane& plane);

struct TexturePoint {
  double s = 0;
  double t = 0;
};
TexturePoint TextureAt(const TextureProjection& projection, Vec3 point);

}  // namespace cw::kit
