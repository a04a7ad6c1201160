#include "formats/map_text.h"

#include <charconv>
#include <cstdlib>

#include "platform/number_format.h"
#include "platform/text_lines.h"

namespace cw::formats {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  bool Char(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string_view Token() {
    SkipBlanks();
    std::size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }
  bool Int(std::int64_t& value) {
    std::string_view token = Token();
    if (token.empty()) return false;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size();
  }
  bool Real(double& value) {
    std::string_view token = Token();
    if (token.empty()) return false;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    return ec == std::errc() && end == token.data() + token.size();
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool ReadPoint(Cursor& cursor, IntPoint& point) {
  return cursor.Char('(') && cursor.Int(point.x) && cursor.Int(point.y) && cursor.Int(point.z) &&
         cursor.Char(')');
}

std::string_view Trim(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

std::string LineError(int line, std::string_view what) {
  std::string text = "line ";
  platform::AppendDecimal(text, line);
  text += ": ";
  text += what;
  return text;
}

enum class FaceRead { kWhole, kBrokenFields, kBrokenSurface };

FaceRead ReadFace(std::string_view line, MapFace& face) {
  Cursor cursor(line);
  for (IntPoint& point : face.points) {
    if (!ReadPoint(cursor, point)) return FaceRead::kBrokenFields;
  }
  std::string_view texture = cursor.Token();
  if (texture.empty()) return FaceRead::kBrokenFields;
  face.texture = std::string(texture);
  if (!cursor.Int(face.xOffset) || !cursor.Int(face.yOffset) || !cursor.Int(face.rotation) ||
      !cursor.Real(face.xScale) || !cursor.Real(face.yScale)) {
    return FaceRead::kBrokenFields;
  }
  if (cursor.AtEnd()) return FaceRead::kWhole;
  std::array<std::int64_t, 3> surface{};
  for (std::int64_t& number : surface) {
    if (!cursor.Int(number)) return FaceRead::kBrokenSurface;
  }
  if (!cursor.AtEnd()) return FaceRead::kBrokenSurface;
  face.surface = surface;
  return FaceRead::kWhole;
}

}  // namespace

std::optional<std::string> MapEntity::Value(std::string_view key) const {
  for (const auto& [k, v] : keys) {
    if (k == key) return v;
  }
  return std::nullopt;
}

std::optional<MapFace> ParseFaceLine(std::string_view line) {
  MapFace face;
  if (ReadFace(line, face) != FaceRead::kWhole) return std::nullopt;
  return face;
}

std::optional<std::pair<std::string, std::string>> ParseKeyLine(std::string_view line) {
  if (line.empty() || line[0] != '"') return std::nullopt;
  std::size_t keyEnd = line.find('"', 1);
  if (keyEnd == std::string_view::npos) return std::nullopt;
  std::size_t valueStart = line.find('"', keyEnd + 1);
  if (valueStart == std::string_view::npos) return std::nullopt;
  for (std::size_t i = keyEnd + 1; i < valueStart; ++i) {
    if (!IsBlank(line[i])) return std::nullopt;
  }
  std::size_t valueEnd = line.find('"', valueStart + 1);
  if (valueEnd == std::string_view::npos) return std::nullopt;
  for (std::size_t i = valueEnd + 1; i < line.size(); ++i) {
    if (!IsBlank(line[i])) return std::nullopt;
  }
  return std::pair{std::string(line.substr(1, keyEnd - 1)),
                   std::string(line.substr(valueStart + 1, valueEnd - valueStart - 1))};
}

bool HasBrokenSurfaceFields(std::string_view line) {
  MapFace face;
  return ReadFace(line, face) == FaceRead::kBrokenSurface;
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
