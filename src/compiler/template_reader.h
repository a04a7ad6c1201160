#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cw::compiler {

inline constexpr const char* kTemplateExtension = ".map";

// A block template split into the part that goes into the map's world entity and the part that
// follows it.
struct TemplateSections {
  // Every line from line 3 up to, not including, the closing line of the template's world entity.
  std::vector<std::string> worldspawn;
  // Every line after that closing line, to the end of the file.
  std::vector<std::string> entities;
  // Whether a line brought the depth to 0; without it the entity section is empty.
  bool worldClosed = false;
};

// Splits a template's lines. Lines 1 and 2 are skipped without being looked at; from line 3 the
// depth starts at 1, a line beginning with "}" lowers it and one beginning with "{" raises it, and
// the line that brings it to 0 closes the world entity and belongs to no section. If the lines
// end before that, everything read is the worldspawn section and the entity section is empty.
// The entity section is taken without any depth counting.
TemplateSections SplitTemplateSections(std::vector<std::string> lines);

// The same from the bytes of a template file (lines as every text reader of the program takes
// them: LF ends a line, CRs dropped, Ctrl-Z ends the text, lines of any length).
TemplateSections ReadTemplateSections(std::string_view bytes);

}  // namespace cw::compiler
