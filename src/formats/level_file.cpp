#include "formats/level_file.h"

#include "platform/text_lines.h"

namespace cw::formats {

void WriteLevelFileLines(platform::LineSink& out, const std::vector<std::string>& blocks,
                         const std::vector<std::string>& links) {
  for (const std::string& record : blocks) out.WriteLine(record);
  for (const std::string& record : links) {
    out.Write(":");
    out.WriteLine(record);
  }
}

LevelFileLines ReadLevelFileLines(std::string_view bytes) {
  LevelFileLines lines;
  for (std::string& line : platform::SplitTextLines(bytes)) {
    if (!line.empty() && line.front() == ':') {
      lines.links.push_back(line.substr(1));
    } else {
      lines.blocks.push_back(std::move(line));
    }
  }
  return lines;
}

}  // namespace cw::formats
