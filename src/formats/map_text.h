#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/face_line.h"

namespace cw::formats {

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

// Parses one key line "key" "value" (blanks between the two, nothing after the value's closing
// quote) into the key and the value without their quotes.
std::optional<std::pair<std::string, std::string>> ParseKeyLine(std::string_view line);

}  // namespace cw::formats
