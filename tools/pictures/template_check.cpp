#include "pictures/template_check.h"

#include <charconv>

#include "compiler/block_template.h"
#include "compiler/template_reader.h"
#include "formats/face_line.h"
#include "platform/number_format.h"
#include "platform/text_lines.h"

namespace cw::pictures {

using formats::HasBrokenSurfaceFields;
using formats::ParseFaceLine;

namespace {

constexpr std::size_t kMaxTextureLength = 15;

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
  return "line " + platform::DecimalText(static_cast<std::int64_t>(index) + 1) + ": " +
         std::string(what);
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
    std::string message(1, '"');
    message.append(key).append("\" must hold a whole number");
    problems.push_back(Problem(index, message));
  }
}

void CheckFaceLine(std::string_view line, std::size_t index, std::vector<std::string>& problems) {
  auto face = ParseFaceLine(line);
  if (!face && HasBrokenSurfaceFields(line)) {
    // The compiler would drop the numbers, and a Quake 2 compiler would misread the next line.
    problems.push_back(Problem(index,
                               "after its scales a face line holds nothing or three whole "
                               "numbers: contents, surface flags and value"));
  } else if (!face) {
    problems.push_back(Problem(index,
                               "a face line must read ( x y z ) ( x y z ) ( x y z ) "
                               "TEXTURE xoff yoff rotation xscale yscale"));
  } else if (face->texture.size() > kMaxTextureLength ||
             face->texture.find('/') != std::string::npos) {
    problems.push_back(
        Problem(index, "texture name \"" + face->texture + "\" is longer than 15 or holds \"/\""));
  }
}

// One line of a template by the kind the compiler gives it; comments and blank lines are fine.
void CheckLine(std::string_view line, std::size_t index, std::vector<std::string>& problems) {
  switch (compiler::KindOfLine(line)) {
    case compiler::LineKind::kOpening:
    case compiler::LineKind::kClosing:
      if (line.size() != 1) problems.push_back(Problem(index, "text after a brace"));
      break;
    case compiler::LineKind::kFace:
      CheckFaceLine(line, index, problems);
      break;
    case compiler::LineKind::kKey:
      CheckKeyLine(line, index, problems);
      break;
    case compiler::LineKind::kOther:
      if (line.empty() || line.starts_with("//")) break;
      problems.push_back(Problem(
          index, line[0] == ' ' || line[0] == '\t'
                     ? "indented: the line is copied unchanged and its points are never placed"
                     : "not an opening, closing, face, key or comment line"));
      break;
  }
}

}  // namespace

std::vector<std::string> CheckTemplateText(std::string_view text) {
  std::vector<std::string> problems;
  std::vector<std::string> lines = platform::SplitTextLines(text);
  if (lines.size() < 2 || lines[0] != "{" || lines[1] != "\"classname\" \"worldspawn\"") {
    problems.push_back("line 1: a template opens with \"{\" and \"classname\" \"worldspawn\"");
  }
  // The sections exactly as the compiler splits them, so that every line is judged by the part
  // of the map it will go to; the first body line is the template's third.
  const compiler::TemplateSections sections = compiler::SplitTemplateSections(lines);
  std::size_t index = 2;
  for (const std::string& line : sections.worldspawn) CheckLine(line, index++, problems);
  if (!sections.worldClosed) {
    problems.push_back("the world entity is never closed");
    return problems;
  }
  CheckLine(lines[index], index, problems);  // the line that closes the world entity
  ++index;
  for (const std::string& line : sections.entities) CheckLine(line, index++, problems);
  return problems;
}

}  // namespace cw::pictures
