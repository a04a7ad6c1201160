#include "formats/ini_text.h"

#include "formats/scanner.h"
#include "platform/text_lines.h"

namespace cw::formats {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

IniText::IniText(std::string_view bytes) : text_(platform::SplitTextLines(bytes)) {
  for (std::size_t i = 0; i < text_.size(); ++i) {
    IniLine line;
    line.number = i + 1;
    line.text = TrimBlanks(text_[i]);
    if (line.text.empty() || line.text.front() == ';') continue;
    if (line.text.front() == '[') {
      line.kind = IniLine::Kind::kSection;
      const std::string_view name = line.text.substr(1);
      line.name = TrimBlanks(name.substr(0, name.find(']')));
    } else if (const std::size_t equals = line.text.find('='); equals != std::string_view::npos) {
      line.kind = IniLine::Kind::kEntry;
      line.key = TrimBlanks(line.text.substr(0, equals));
      line.value = TrimBlanks(line.text.substr(equals + 1));
    }
    lines_.push_back(line);
  }
}

std::vector<std::pair<std::string_view, std::string_view>> IniText::Entries(
    std::string_view section) const {
  std::vector<std::pair<std::string_view, std::string_view>> entries;
  bool inside = false;
  for (const IniLine& line : lines_) {
    if (line.kind == IniLine::Kind::kSection) {
      // Only the first section of the name counts: the search ends where it ends.
      if (inside) break;
      inside = EqualIgnoringCase(line.name, section);
    } else if (inside && line.kind == IniLine::Kind::kEntry) {
      entries.emplace_back(line.key, line.value);
    }
  }
  return entries;
}

std::optional<std::string_view> IniText::Value(std::string_view section,
                                               std::string_view key) const {
  for (const auto& [name, value] : Entries(section)) {
    if (EqualIgnoringCase(name, key)) return value;
  }
  return std::nullopt;
}

bool IniText::LooksLikeIni() const {
  for (const IniLine& line : lines_) {
    if (line.kind != IniLine::Kind::kOther) return true;
  }
  return lines_.empty();
}

}  // namespace cw::formats
