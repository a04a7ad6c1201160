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

// The three numbers that a Quake 2 face line carries after its scales: contents, surface flags
// and value. Each is a 32-bit number, taken signed or unsigned as the line writes it.
struct SurfaceFields {
  std::int64_t contents = 0;
  std::int64_t flags = 0;
  std::int64_t value = 0;
  bool operator==(const SurfaceFields&) const = default;
};

// One face of a template brush: "( x y z ) ( x y z ) ( x y z ) name xoff yoff rot xscale yscale",
// and the surface fields when the line has them.
struct FaceFields {
  std::array<std::array<std::int32_t, 3>, 3> points{};
  std::string textureName;
  TextureFields texture;
  std::optional<SurfaceFields> surface;
};

// Reads a face line the way the map compiler always has: drop the first "(", read "%d %d %d";
// drop up to and including the next "(", twice, reading a point each time; drop up to and
// including the next ")", then read "%s %d %d %d %f %f". Nothing is returned unless every field
// was read. What follows the y scale only ever sets the surface fields (ReadSurfaceFields).
std::optional<FaceFields> ParseFaceLine(std::string_view line);

// The surface fields from the text after a face's y scale: its first three blank-separated words
// when each is a whole decimal number (an optional sign, digits) from -2147483648 to 4294967295;
// anything after them is ignored. Nothing for one or two numbers, or for a word that is not such
// a number: a Quake 2 compiler would read the next line's "(" as the missing number, so a broken
// set is dropped whole and the face is written as a Quake face.
std::optional<SurfaceFields> ReadSurfaceFields(std::string_view rest);

// How a face's texture is projected, decided from the template points before placement.
enum class FaceClass { kHorizontal, kXFacing, kYFacing };

// With a = p2 - p1, b = p3 - p2 and the magnitudes nx, ny, nz of a x b: horizontal when
// nz >= ny and nz >= nx, otherwise Y-facing when nx < ny, otherwise X-facing. Computed exactly.
FaceClass ClassifyFace(const std::array<std::array<std::int32_t, 3>, 3>& points);

}  // namespace cw::compiler
