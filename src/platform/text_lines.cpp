#include "platform/text_lines.h"

namespace cw::platform {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
  const std::size_t end = bytes.find('\x1a');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != '\r') {
      line.push_back(c);
    }
  }
  // Text after the last line feed is a line of its own; carriage returns count as absent, so
  // a file that ends in "\n\r" has no such line.
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace cw::platform
