#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw::formats {

// A face line of Quake map text:
//
//   ( x y z ) ( x y z ) ( x y z ) TEXTURE xoff yoff rotation xscale yscale [contents flags value]
//
// three points on the face's plane, the texture's name, offsets, rotation and scales, and on a
// Quake 2 face its contents, surface flags and value. The grammar is read in two ways: the map
// compiler's (ScanFaceLine), field by field as C's sscanf reads it, which decides every byte of a
// built map; and a lenient one (ParseFaceLine), word by word, for the checks and views that read
// map text whole.

// The three numbers after a face's scales: contents, surface flags and value.
struct SurfaceFields {
  std::int64_t contents = 0;
  std::int64_t flags = 0;
  std::int64_t value = 0;
  bool operator==(const SurfaceFields&) const = default;
};

// The numbers of a face's texture as the compiler reads them: offsets, rotation and scales.
// Offsets are whole numbers held in doubles because a corrected offset may leave the 64-bit range.
struct TextureFields {
  double xOffset = 0;
  double yOffset = 0;
  std::int64_t rotation = 0;
  float xScale = 1;
  float yScale = 1;
};

// One face line as the map compiler reads it.
struct FaceFields {
  std::array<std::array<std::int32_t, 3>, 3> points{};
  std::string textureName;
  TextureFields texture;
  std::optional<SurfaceFields> surface;
};

// The compiler's reading: drop the first "(", read "%d %d %d"; drop up to and including the next
// "(", twice, reading a point each time; drop up to and including the next ")", then read
// "%s %d %d %d %f %f". Nothing is returned unless every field was read. What follows the y scale
// only ever sets the surface fields: its first three blank-separated words when each is a whole
// decimal number (an optional sign, digits) from -2147483648 to 4294967295, anything after them
// ignored. One or two numbers, or a word that is not such a number, give none: a Quake 2
// compiler would read the next line's "(" as the missing number, so a broken set is dropped
// whole and the face is written as a Quake face.
std::optional<FaceFields> ScanFaceLine(std::string_view line);

struct IntPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t z = 0;
  bool operator==(const IntPoint&) const = default;
};

// One face line as the lenient reading takes it, and where it stands in its text.
struct MapFace {
  std::array<IntPoint, 3> points;
  std::string texture;
  std::int64_t xOffset = 0;
  std::int64_t yOffset = 0;
  std::int64_t rotation = 0;
  double xScale = 1;
  double yScale = 1;
  std::optional<SurfaceFields> surface;
  int line = 0;  // 1-based line number in the text
};

// The lenient reading: blank-separated words (blanks around the parentheses optional), whole
// numbers for the points, offsets and rotation, and after the scales either nothing or the three
// whole numbers of a Quake 2 face.
std::optional<MapFace> ParseFaceLine(std::string_view line);

// True for a face line that the lenient reading takes up to its y scale but that is followed by
// something other than nothing or three whole numbers: one or two of them, or a damaged one.
bool HasBrokenSurfaceFields(std::string_view line);

}  // namespace cw::formats
