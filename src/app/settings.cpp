#include "app/settings.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace cw::app {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A settings value: decimal with an optional minus sign, or hexadecimal after "0x", "0X" or "$".
// The result must lie in the 32-bit signed range; anything else is not a number.
std::optional<std::int32_t> ParseSettingsNumber(std::string_view text) {
  constexpr std::int64_t kMax = INT32_MAX;
  bool hex = false;
  if (text.size() > 1 && text[0] == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  }
  if (hex) {
    std::int64_t value = 0;
    for (char c : text) {
      const int digit = HexDigitValue(c);
      if (digit < 0) return std::nullopt;
      value = value * 16 + digit;
      if (value > kMax) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
  }
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kMax + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > kMax) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// The lines of an INI text: a line feed ends a line and carriage returns are dropped.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// The raw value text of a key in the first section of that name, or nothing when either is
// missing. Where a key appears twice in its section, the first one counts.
std::optional<std::string_view> FindValue(std::string_view iniText, std::string_view section,
                                          std::string_view key) {
  enum class Where { kBefore, kInside, kAfter } where = Where::kBefore;
  std::optional<std::string_view> found;
  ForEachLine(iniText, [&](std::string_view rawLine) {
    if (where == Where::kAfter || found) return;
    const std::string_view line = TrimBlanks(rawLine);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
      std::string_view name = line.substr(1);
      name = name.substr(0, name.find(']'));
      const bool matches = EqualIgnoringCase(TrimBlanks(name), section);
      if (where == Where::kInside) {
        where = Where::kAfter;
      } else if (matches) {
        where = Where::kInside;
      }
      return;
    }
    if (where != Where::kInside) return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    if (EqualIgnoringCase(TrimBlanks(line.substr(0, equals)), key)) {
      found = TrimBlanks(line.substr(equals + 1));
    }
  });
  return found;
}

std::int32_t ReadInteger(std::string_view iniText, std::string_view section, std::string_view key,
                         std::int32_t fallback) {
  const std::optional<std::string_view> text = FindValue(iniText, section, key);
  if (!text) return fallback;
  return ParseSettingsNumber(*text).value_or(fallback);
}

}  // namespace

Settings ParseSettings(std::string_view iniText) {
  Settings settings;
  compiler::PlacementSettings& block = settings.block;
  block.Bx = ReadInteger(iniText, "Block", "Bx", block.Bx);
  block.By = ReadInteger(iniText, "Block", "By", block.By);
  block.Bz = ReadInteger(iniText, "Block", "Bz", block.Bz);
  block.Ox = ReadInteger(iniText, "Block", "Ox", block.Ox);
  block.Oy = ReadInteger(iniText, "Block", "Oy", block.Oy);
  settings.Ax = ReadInteger(iniText, "Area", "Ax", settings.Ax);
  settings.Ay = ReadInteger(iniText, "Area", "Ay", settings.Ay);
  return settings;
}

Settings ReadSettingsFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return Settings{};
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) return Settings{};
  return ParseSettings(bytes.str());
}

}  // namespace cw::app
