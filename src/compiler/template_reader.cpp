#include "compiler/template_reader.h"

#include <cstddef>
#include <iterator>

#include "platform/text_lines.h"

namespace cw::compiler {

TemplateSections SplitTemplateSections(std::vector<std::string> lines) {
  TemplateSections sections;
  constexpr std::size_t kFirstBodyLine = 2;  // lines 1 and 2 open the world entity
  std::size_t index = kFirstBodyLine;
  int depth = 1;
  for (; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    if (!line.empty() && line.front() == '}') --depth;
    if (!line.empty() && line.front() == '{') ++depth;
    if (depth == 0) {
      sections.worldClosed = true;
      ++index;
      break;
    }
    sections.worldspawn.push_back(std::move(lines[index]));
  }
  if (sections.worldClosed) {
    sections.entities.assign(std::make_move_iterator(lines.begin() + index),
                             std::make_move_iterator(lines.end()));
  }
  return sections;
}

TemplateSections ReadTemplateSections(std::string_view bytes) {
  return SplitTemplateSections(platform::SplitTextLines(bytes));
}

}  // namespace cw::compiler
