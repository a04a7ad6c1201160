#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cw::formats {

struct IntPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t z = 0;
  bool operator==(const IntPoint&) const = default;
};

// One face line of a brush: three points on the face's plane and its texture fields.
struct MapFace {
  std::array<IntPoint, 3> points;
  std::string texture;
  std::int64_t xOffset = 0;
  std::int64_t yOffset = 0;
  std::int64_t rotation = 0;
  double xScale = 1;
  double yScale = 1;
  // A Quake 2 face's contents, surface flags and value, when the line carries them.
  std::optional<std::array<std::int64_t, 3>> surface;
  int line = 0;  // 1-based line number in the text
};

struct MapBrush {
  std::vector<MapFace> faces;
  int line = 0;
};

struct MapEntity {
  std::vector<std::pair<std::string, std::string>> keys;
  std::vector<MapBrush> brushes;
  int line = 0;
  // The value of the first key of that name, if any.
  std::optional<std::string> Value(std::string_view key) const;
  std::string ClassName() const { return Value("classname").value_or(""); }
};

struct ParsedMap {
  std::vector<MapEntity> entities;
  std::vector<std::string> errors;  // "line N: what is wrong"; empty when the text is well formed
};

// Parses Quake map text: entities of key lines and brushes of face lines. Comment lines ("//")
// and blank lines are skipped; CRs are ignored. Anything else that does not fit the format is
// reported in errors with its line number, and the parse goes on with the next line.
ParsedMap ParseMapText(std::string_view text);

// Parses one face line "( x y z ) ( x y z ) ( x y z ) TEX xoff yoff rot xscale yscale", with
// nothing after it or the three whole numbers of a Quake 2 face: contents, flags and value.
std::optional<MapFace> ParseFaceLine(std::string_view line);

// Parses one key line "key" "value" (blanks between the two, nothing after the value's closing
// quote) into the key and the value without their quotes.
std::optional<std::pair<std::string, std::string>> ParseKeyLine(std::string_view line);

// True for a face line that parses up to its y scale but is followed by something other than
// nothing or three whole numbers: one or two of them, or a damaged one.
bool HasBrokenSurfaceFields(std::string_view line);

}  // namespace cw::formats
