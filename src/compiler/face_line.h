#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw::compiler {

// The numbers of a face's texture: offsets, rotation and scales. Offsets are whole numbers held in
// doubles because a corrected offset may leave the 64-bit range.
struct TextureFields {
  double xOffset = 0;
  double yOffset = 0;
  std::int64_t rotation = 0;
  float xScale = 1;
  float yScale = 1;
};

// One face of a template brush: "( x y z ) ( x y z ) ( x y z ) name xoff yoff rot xscale yscale".
struct FaceFields {
  std::array<std::array<std::int32_t, 3>, 3> points{};
  std::string textureName;
  TextureFields texture;
};

// Reads a face line the way the map compiler always has: drop the first "(", read "%d %d %d";
// drop up to and including the next "(", twice, reading a point each time; drop up to and
// including the next ")", then read "%s %d %d %d %f %f". Anything after the y scale is ignored.
// Nothing is returned unless every field was read.
std::optional<FaceFields> ParseFaceLine(std::string_view line);

// How a face's texture is projected, decided from the template points before placement.
enum class FaceClass { kHorizontal, kXFacing, kYFacing };

// With a = p2 - p1, b = p3 - p2 and the magnitudes nx, ny, nz of a x b: horizontal when
// nz >= ny and nz >= nx, otherwise Y-facing when nx < ny, otherwise X-facing. Computed exactly.
FaceClass ClassifyFace(const std::array<std::array<std::int32_t, 3>, 3>& points);

}  // namespace cw::compiler
