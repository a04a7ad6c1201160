#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace cw::compiler {

// The line of the map file that a compile tool's message names, if it names one. The forms
// read are those of the Quake compile tools:
//   "WARNING: /maps/demo.map[line 1234]: Brush plane with no normal"   (ericw-tools 2)
//   "*** WARNING 03: line 1234: Brush with duplicate plane"           (ericw-tools 0.x, tyrutils)
//   "Line 1234: Point (0.000 1.000 2.000) off plane by 0.5000"        (the same tools)
//   "Line 1234 is incomplete", "Token too large on line 1234"           (id's qbsp and qbsp3)
// "line" is taken in any letter case as a word of its own, followed by blanks and the number.
// A "[line N]" after a file name comes first; otherwise the first "line N" of the message.
std::optional<std::size_t> MapLineInMessage(std::string_view message);

}  // namespace cw::compiler
