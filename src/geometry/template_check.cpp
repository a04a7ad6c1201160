#include "geometry/template_check.h"

#include <charconv>

#include "geometry/map_text.h"

namespace cw::geometry {
namespace {

constexpr std::size_t kMaxLineLength = 119;
constexpr std::size_t kMaxTextureLength = 15;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// count whole numbers separated by single blanks, and nothing else.
bool HoldsIntegers(std::string_view value, int count) {
  const char* at = value.data();
  const char* end = value.data() + value.size();
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      if (at == end || *at != ' ') return false;
      ++at;
    }
    long long number = 0;
    auto [next, ec] = std::from_chars(at, end, number);
    if (ec != std::errc()) return false;
    at = next;
  }
  return at == end;
}

std::string Problem(std::size_t index, std::string_view what) {
  return "line " + std::to_string(index + 1) + ": " + std::string(what);
}

void CheckKeyLine(std::string_view line, std::size_t index, std::vector<std::string>& problems) {
  // "key" "value": quotes at fixed places, exactly one blank between.
  std::size_t keyEnd = line.find('"', 1);
  if (keyEnd == std::string_view::npos || keyEnd + 2 >= line.size() || line[keyEnd + 1] != ' ' ||
      line[keyEnd + 2] != '"' || line.back() != '"' || line.size() < keyEnd + 4) {
    problems.push_back(Problem(index, "a key line must read \"key\" \"value\" with one blank"));
    return;
  }
  std::string_view key = line.substr(1, keyEnd - 1);
  std::string_view value = line.substr(keyEnd + 3, line.size() - keyEnd - 4);
  if (value.find('"') != std::string_view::npos) {
    problems.push_back(Problem(index, "a key line must read \"key\" \"value\" with one blank"));
  } else if (key == "origin" && !HoldsIntegers(value, 3)) {
    problems.push_back(Problem(index, "\"origin\" must hold three whole numbers"));
  } else if ((key == "angle" || key == "distance") && !HoldsIntegers(value, 1)) {
    problems.push_back(Problem(index, "\"" + std::string(key) + "\" must hold a whole number"));
  }
}

void CheckFaceLine(std::string_view line, std::size_t index, std::vector<std::string>& problems) {
  auto face = ParseFaceLine(line);
  if (!face) {
    problems.push_back(Problem(index,
                               "a face line must read ( x y z ) ( x y z ) ( x y z ) "
                               "TEXTURE xoff yoff rotation xscale yscale"));
  } else if (face->texture.size() > kMaxTextureLength ||
             face->texture.find('/') != std::string::npos) {
    problems.push_back(
        Problem(index, "texture name \"" + face->texture + "\" is longer than 15 or holds \"/\""));
  }
}

}  // namespace

std::vector<std::string> CheckTemplateText(std::string_view text) {
  std::vector<std::string> problems;
  std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < 2 || lines[0] != "{" || lines[1] != "\"classname\" \"worldspawn\"") {
    problems.push_back("line 1: a template opens with \"{\" and \"classname\" \"worldspawn\"");
  }
  int depth = 1;
  bool worldClosed = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.size() > kMaxLineLength) {
      problems.push_back(Problem(i, "longer than 119 characters"));
      continue;
    }
    if (line.empty() || line.starts_with("//")) continue;
    switch (line[0]) {
      case '{':
      case '}':
        if (line.size() != 1) problems.push_back(Problem(i, "text after a brace"));
        if (i >= 2) {
          depth += line[0] == '{' ? 1 : -1;
          if (depth == 0 && !worldClosed) worldClosed = true;
        }
        break;
      case '(':
        CheckFaceLine(line, i, problems);
        break;
      case '"':
        CheckKeyLine(line, i, problems);
        break;
      default:
        problems.push_back(Problem(
            i, line[0] == ' ' || line[0] == '\t'
                   ? "indented: the line is copied unchanged and its points are never placed"
                   : "not an opening, closing, face, key or comment line"));
    }
  }
  if (!worldClosed) problems.push_back("the world entity is never closed");
  return problems;
}

}  // namespace cw::geometry
