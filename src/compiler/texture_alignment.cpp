#include "compiler/texture_alignment.h"

#include <cmath>

namespace cw::compiler {
namespace {

// offset + sign * shift / scale, truncated toward zero, or the offset unchanged when it is zero,
// the scale is zero or the result is not finite.
double Corrected(double offset, int sign, std::int64_t shift, float scale) {
  if (offset == 0 || scale == 0) return offset;
  const double quotient = static_cast<double>(shift) / static_cast<double>(scale);
  const double result = sign < 0 ? offset - quotient : offset + quotient;
  if (!std::isfinite(result)) return offset;
  return std::trunc(result);
}

void AlignHorizontal(std::int32_t flags, const Point3& shift, TextureFields& t) {
  if (flags < 0 || flags > 7) return;
  if (flags < 4) {
    if (flags & 1) t.xScale = -t.xScale;
    if (flags & 2) t.yScale = -t.yScale;
    t.xOffset = Corrected(t.xOffset, -1, shift.x, t.xScale);
    t.yOffset = Corrected(t.yOffset, +1, shift.y, t.yScale);
  } else {
    // After a quarter turn the texture's x runs along the world's y and the other way round, so
    // the X flip now mirrors the texture's y and the Y flip its x.
    t.rotation += 90;
    if (flags & 2) t.xScale = -t.xScale;
    if (flags & 1) t.yScale = -t.yScale;
    t.xOffset = Corrected(t.xOffset, -1, shift.y, t.xScale);
    t.yOffset = Corrected(t.yOffset, -1, shift.x, t.yScale);
  }
}

// Walls: the y offset always follows the floor height; the x offset follows the world axis that
// the template face runs along after orientation.
void AlignWall(FaceClass faceClass, std::int32_t flags, const Point3& shift, TextureFields& t) {
  if (flags >= 0 && flags <= 7) {
    // Which flags values reverse the texture's x: X-facing 2, 3, 4, 6; Y-facing 1, 3, 6, 7.
    constexpr bool kXFacingNegates[8] = {false, false, true, true, true, false, true, false};
    constexpr bool kYFacingNegates[8] = {false, true, false, true, false, false, true, true};
    const bool xFacing = faceClass == FaceClass::kXFacing;
    if (xFacing ? kXFacingNegates[flags] : kYFacingNegates[flags]) t.xScale = -t.xScale;
    // X-facing faces run along world Y until a quarter turn makes them run along X; Y-facing
    // faces the other way round.
    const bool alongY = xFacing == (flags < 4);
    t.xOffset = Corrected(t.xOffset, -1, alongY ? shift.y : shift.x, t.xScale);
  }
  t.yOffset = Corrected(t.yOffset, +1, shift.z, t.yScale);
}

}  // namespace

TextureFields AlignTexture(FaceClass faceClass, std::int32_t flags, const Point3& shift,
                           TextureFields texture) {
  if (faceClass == FaceClass::kHorizontal) {
    AlignHorizontal(flags, shift, texture);
  } else {
    AlignWall(faceClass, flags, shift, texture);
  }
  return texture;
}

}  // namespace cw::compiler
