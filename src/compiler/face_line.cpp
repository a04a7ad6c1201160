#include "compiler/face_line.h"

#include <cstdint>

namespace cw::compiler {
namespace {

#if defined(__SIZEOF_INT128__)
using Wide = __int128;
#else
using Wide = long double;  // exact for these products where long double has a 64-bit mantissa
#endif

Wide Magnitude(Wide value) {
  return value < 0 ? -value : value;
}

}  // namespace

FaceClass ClassifyFace(const std::array<std::array<std::int32_t, 3>, 3>& points) {
  Wide a[3];
  Wide b[3];
  for (int i = 0; i < 3; ++i) {
    a[i] = static_cast<Wide>(points[1][i]) - points[0][i];
    b[i] = static_cast<Wide>(points[2][i]) - points[1][i];
  }
  const Wide nx = Magnitude(a[1] * b[2] - a[2] * b[1]);
  const Wide ny = Magnitude(a[0] * b[2] - a[2] * b[0]);
  const Wide nz = Magnitude(a[0] * b[1] - a[1] * b[0]);
  if (nz >= ny && nz >= nx) return FaceClass::kHorizontal;
  if (nx < ny) return FaceClass::kYFacing;
  return FaceClass::kXFacing;
}

}  // namespace cw::compiler
