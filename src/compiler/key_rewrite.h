#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/placement.h"
#include "document/records.h"

namespace cw::compiler {

// The entity keys that a block's placement rewrites.
enum class KeyKind { kOrigin, kAngle, kDistance, kTarget, kTargetname };

// What a "target" value refers to, by its first character: "k" a link from this cell, "i" a
// name used as it is, anything else (an empty value too) a name local to the cell.
enum class TargetKind { kLocal, kLink, kUnchanged };

// A key line of a recognised key whose value could be read.
struct KeyLine {
  KeyKind kind = KeyKind::kOrigin;
  std::string token;  // the key token as read, quotes included, e.g. "\"origin\""
  std::array<std::int32_t, 3> numbers{};  // origin: x y z; angle and distance: numbers[0]
  std::string value;                      // target and targetname: the value text
};

// Reads a key line ('"' first). The key token is the first run of non-blank characters, compared
// whole and case-sensitively with "origin", "angle", "distance", "target" and "targetname" in
// quotes. The value is read from a fixed position, the key's length plus four characters from
// the start of the line. Numbers are read as "%d %d %d" or "%d"; a name runs from there to the next
// double quote, or to the end of the line, blanks included. Nothing is returned for other keys,
// for a line that ends before the value position and for numbers that do not parse: such lines
// are written unchanged.
std::optional<KeyLine> ParseKeyLine(std::string_view line);

TargetKind KindOfTarget(std::string_view value);

// Supplies the end cell of the next free link starting at a cell, taking it (k-targets).
using LinkTaker = std::function<std::optional<document::Cell>(const document::Cell& start)>;

// The rewritten line for the block's placement: the key token, a blank and the new value in
// double quotes. Origins are placed, angles oriented, negative distances negated under mirroring,
// names and local targets followed by the cell number, k-targets pointed at "t0" and the end
// cell's number of the link they take. An i-target, and a k-target without a free link, keeps
// its value.
std::string RewriteKeyLine(const KeyLine& key, const PlacementSettings& settings,
                           const document::BlockRecord& record, const LinkTaker& takeLink);

}  // namespace cw::compiler
