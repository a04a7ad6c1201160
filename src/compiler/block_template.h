#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/face_line.h"
#include "compiler/face_rewrite.h"
#include "compiler/key_rewrite.h"
#include "compiler/template_reader.h"

namespace cw::compiler {

// The kind of a template line, by its first character only.
enum class LineKind { kOpening, kClosing, kFace, kKey, kOther };
LineKind KindOfLine(std::string_view line);

// A template line read once for every block that uses it: its text, and for a face line or a key
// line of a recognised key that parses, its fields.
struct TemplateLine {
  std::string text;
  std::optional<PreparedFace> face;
  std::optional<KeyLine> key;
};

// A block template ready to be placed any number of times.
struct BlockTemplate {
  std::vector<TemplateLine> worldspawn;
  std::vector<TemplateLine> entities;
};

BlockTemplate PrepareBlockTemplate(TemplateSections sections);

}  // namespace cw::compiler
