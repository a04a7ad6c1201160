#include "formats/map_text.h"

#include "formats/scanner.h"
#include "platform/number_format.h"
#include "platform/text_lines.h"

namespace cw::formats {
namespace {

std::string_view Trim(std::string_view line) {
  while (!line.empty() && IsBlankOrCr(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlankOrCr(line.back())) line.remove_suffix(1);
  return line;
}

std::string LineError(int line, std::string_view what) {
  std::string text = "line ";
  platform::AppendDecimal(text, line);
  text += ": ";
  text += what;
  return text;
}

}  // namespace

std::optional<std::string> MapEntity::Value(std::string_view key) const {
  for (const auto& [k, v] : keys) {
    if (k == key) return v;
  }
  return std::nullopt;
}

std::optional<std::pair<std::string, std::string>> ParseKeyLine(std::string_view line) {
  if (line.empty() || line[0] != '"') return std::nullopt;
  std::size_t keyEnd = line.find('"', 1);
  if (keyEnd == std::string_view::npos) return std::nullopt;
  std::size_t valueStart = line.find('"', keyEnd + 1);
  if (valueStart == std::string_view::npos) return std::nullopt;
  for (std::size_t i = keyEnd + 1; i < valueStart; ++i) {
    if (!IsBlankOrCr(line[i])) return std::nullopt;
  }
  std::size_t valueEnd = line.find('"', valueStart + 1);
  if (valueEnd == std::string_view::npos) return std::nullopt;
  for (std::size_t i = valueEnd + 1; i < line.size(); ++i) {
    if (!IsBlankOrCr(line[i])) return std::nullopt;
  }
  return std::pair{std::string(line.substr(1, keyEnd - 1)),
                   std::string(line.substr(valueStart + 1, valueEnd - valueStart - 1))};
}

ParsedMap ParseMapText(std::string_view text) {
  ParsedMap map;
  enum class Depth { kOutside, kEntity, kBrush } depth = Depth::kOutside;
  int lineNumber = 0;
  for (const std::string& rawLine : platform::SplitTextLines(text)) {
    const std::string_view line = Trim(rawLine);
    ++lineNumber;
    if (line.empty() || line.starts_with("//")) continue;
    if (line == "{") {
      if (depth == Depth::kOutside) {
        map.entities.push_back({});
        map.entities.back().line = lineNumber;
        depth = Depth::kEntity;
      } else if (depth == Depth::kEntity) {
        map.entities.back().brushes.push_back({});
        map.entities.back().brushes.back().line = lineNumber;
        depth = Depth::kBrush;
      } else {
        map.errors.push_back(LineError(lineNumber, "\"{\" inside a brush"));
      }
    } else if (line == "}") {
      if (depth == Depth::kOutside) {
        map.errors.push_back(LineError(lineNumber, "\"}\" without an open entity"));
      }
      depth = depth == Depth::kBrush ? Depth::kEntity : Depth::kOutside;
    } else if (line[0] == '(') {
      auto face = ParseFaceLine(line);
      if (depth != Depth::kBrush) {
        map.errors.push_back(LineError(lineNumber, "face line outside a brush"));
      } else if (!face) {
        map.errors.push_back(LineError(lineNumber, "face line that does not parse"));
      } else {
        face->line = lineNumber;
        map.entities.back().brushes.back().faces.push_back(std::move(*face));
      }
    } else if (line[0] == '"') {
      auto key = ParseKeyLine(line);
      if (depth != Depth::kEntity) {
        map.errors.push_back(LineError(lineNumber, "key line outside an entity"));
      } else if (!key) {
        map.errors.push_back(LineError(lineNumber, "key line that does not parse"));
      } else {
        map.entities.back().keys.push_back(std::move(*key));
      }
    } else {
      map.errors.push_back(LineError(lineNumber, "line of unknown kind"));
    }
  }
  if (depth != Depth::kOutside) map.errors.push_back("the text ends inside an entity");
  return map;
}

}  // namespace cw::formats
