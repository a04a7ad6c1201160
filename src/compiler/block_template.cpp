#include "compiler/block_template.h"

#include <utility>

namespace cw::compiler {
namespace {

std::vector<TemplateLine> PrepareLines(std::vector<std::string> lines) {
  std::vector<TemplateLine> prepared;
  prepared.reserve(lines.size());
  for (std::string& text : lines) {
    TemplateLine line;
    switch (KindOfLine(text)) {
      case LineKind::kFace:
        if (std::optional<FaceFields> fields = formats::ScanFaceLine(text)) {
          line.face = PrepareFace(std::move(*fields));
        }
        break;
      case LineKind::kKey:
        line.key = ParseKeyLine(text);
        break;
      default:
        break;
    }
    line.text = std::move(text);
    prepared.push_back(std::move(line));
  }
  return prepared;
}

}  // namespace

LineKind KindOfLine(std::string_view line) {
  if (line.empty()) return LineKind::kOther;
  switch (line.front()) {
    case '{':
      return LineKind::kOpening;
    case '}':
      return LineKind::kClosing;
    case '(':
      return LineKind::kFace;
    case '"':
      return LineKind::kKey;
    default:
      return LineKind::kOther;
  }
}

BlockTemplate PrepareBlockTemplate(TemplateSections sections) {
  BlockTemplate result;
  result.worldspawn = PrepareLines(std::move(sections.worldspawn));
  result.entities = PrepareLines(std::move(sections.entities));
  return result;
}

}  // namespace cw::compiler
