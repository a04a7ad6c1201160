#include "scene/texture_projection.h"

#include <cmath>
#include <numbers>

namespace cw::scene {
namespace {

// For each axis plane: its normal, then the texture's x and y directions on it.
constexpr Vec3 kBaseAxes[6][3] = {
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},   // floor
    {{0, 0, -1}, {1, 0, 0}, {0, -1, 0}},  // ceiling
    {{1, 0, 0}, {0, 1, 0}, {0, 0, -1}},   // wall facing +X
    {{-1, 0, 0}, {0, 1, 0}, {0, 0, -1}},  // wall facing -X
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},   // wall facing +Y
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},  // wall facing -Y
};

double& Component(Vec3& v, int axis) {
  return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

int NonZeroAxis(const Vec3& v) {
  return v.x != 0 ? 0 : v.y != 0 ? 1 : 2;
}

}  // namespace

TextureProjection ProjectTexture(const FaceTexture& face, const Plane& plane) {
  int best = 0;
  double bestDot = 0;
  for (int i = 0; i < 6; ++i) {
    const double dot = Dot(plane.normal, kBaseAxes[i][0]);
    if (dot > bestDot) {  // the first of equally close planes wins
      bestDot = dot;
      best = i;
    }
  }
  Vec3 axes[2] = {kBaseAxes[best][1], kBaseAxes[best][2]};

  // Whole quarter turns exactly, other angles by their sine and cosine.
  const double degrees = std::fmod(face.rotation, 360.0);
  const double turned = degrees < 0 ? degrees + 360 : degrees;
  double sine = 0;
  double cosine = 1;
  if (turned == 90) {
    sine = 1, cosine = 0;
  } else if (turned == 180) {
    sine = 0, cosine = -1;
  } else if (turned == 270) {
    sine = -1, cosine = 0;
  } else if (turned != 0) {
    sine = std::sin(turned * std::numbers::pi / 180);
    cosine = std::cos(turned * std::numbers::pi / 180);
  }
  const int sv = NonZeroAxis(axes[0]);
  const int tv = NonZeroAxis(axes[1]);
  for (Vec3& axis : axes) {
    const double ns = cosine * Component(axis, sv) - sine * Component(axis, tv);
    const double nt = sine * Component(axis, sv) + cosine * Component(axis, tv);
    Component(axis, sv) = ns;
    Component(axis, tv) = nt;
  }

  TextureProjection projection;
  const double xScale = face.xScale == 0 ? 1 : face.xScale;
  const double yScale = face.yScale == 0 ? 1 : face.yScale;
  projection.sAxis = axes[0] * (1 / xScale);
  projection.tAxis = axes[1] * (1 / yScale);
  projection.sOffset = face.xOffset;
  projection.tOffset = face.yOffset;
  projection.fromAbove = best < 2;
  return projection;
}

TextureProjection ProjectTexture(const formats::MapFace& face, const Plane& plane) {
  return ProjectTexture(
      FaceTexture{static_cast<double>(face.xOffset), static_cast<double>(face.yOffset),
                  static_cast<double>(face.rotation), face.xScale, face.yScale},
      plane);
}

}  // namespace cw::scene
