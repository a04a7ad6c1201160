#include "settings/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_reader.h"
#include "platform/io_result.h"
#include "platform/text_lines.h"

namespace cw::settings {
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

// The lines of an INI text, read once, and the values of its keys.
class IniText {
 public:
  explicit IniText(std::string_view bytes) : lines_(platform::SplitTextLines(bytes)) {}

  // The key and value of every "key=value" line of the first section of that name, in file
  // order, both without their surrounding blanks.
  std::vector<std::pair<std::string_view, std::string_view>> Entries(
      std::string_view section) const {
    std::vector<std::pair<std::string_view, std::string_view>> entries;
    bool inside = false;
    for (const std::string& rawLine : lines_) {
      const std::string_view line = TrimBlanks(rawLine);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[') {
        // Only the first section of the name counts: the search ends where it ends.
        if (inside) break;
        std::string_view name = line.substr(1);
        name = name.substr(0, name.find(']'));
        inside = EqualIgnoringCase(TrimBlanks(name), section);
        continue;
      }
      const std::size_t equals = line.find('=');
      if (!inside || equals == std::string_view::npos) continue;
      entries.emplace_back(TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1)));
    }
    return entries;
  }

  // Whether a line is a section name or a key line, or no line holds anything but comments: an
  // empty file sets nothing, and one with lines but none of these is something else.
  bool LooksLikeSettings() const {
    bool anyLine = false;
    for (const std::string& rawLine : lines_) {
      const std::string_view line = TrimBlanks(rawLine);
      if (line.empty() || line.front() == ';') continue;
      anyLine = true;
      if (line.front() == '[' || line.find('=') != std::string_view::npos) return true;
    }
    return !anyLine;
  }

  // The raw value text of a key in the first section of that name, or nothing when either is
  // missing. Where a key appears twice in its section, the first one counts.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const {
    for (const auto& [name, value] : Entries(section)) {
      if (EqualIgnoringCase(name, key)) return value;
    }
    return std::nullopt;
  }

  std::optional<std::string> Text(std::string_view section, std::string_view key) const {
    const std::optional<std::string_view> text = Value(section, key);
    if (!text) return std::nullopt;
    return std::string(*text);
  }

  std::int32_t Integer(std::string_view section, std::string_view key,
                       std::int32_t fallback) const {
    const std::optional<std::string_view> text = Value(section, key);
    if (!text) return fallback;
    return ParseSettingsNumber(*text).value_or(fallback);
  }

 private:
  std::vector<std::string> lines_;
};

// "Quake", "Quake2" or "Heretic2" in any letter case; anything else keeps Quake. PlayerStarts lists
// classnames separated by commas; blanks around each are dropped, empty ones skipped, and a list
// with none keeps the default.
void ReadGameSection(const IniText& ini, GameSettings& game) {
  if (const std::optional<std::string> target = ini.Text("Game", "Target")) {
    if (EqualIgnoringCase(*target, "Quake2")) game.target = TargetGame::kQuake2;
    if (EqualIgnoringCase(*target, "Heretic2")) game.target = TargetGame::kHeretic2;
  }
  if (const std::optional<std::string> list = ini.Text("Game", "PlayerStarts")) {
    std::vector<std::string> names;
    std::string_view rest = *list;
    while (true) {
      const std::size_t comma = rest.find(',');
      const std::string_view name = TrimBlanks(rest.substr(0, comma));
      if (!name.empty()) names.emplace_back(name);
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    if (!names.empty()) game.playerStarts = std::move(names);
  }
}

// Text that a map key line can hold between its quotes: no quote and no control character.
bool FitsBetweenQuotes(std::string_view text) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

// The [World] keys that make sound key lines. An empty key, text that would break the line, and
// "classname" (the world's own) are left out; of keys that match without regard to case, as the
// settings file's keys do, the first counts.
std::vector<WorldKey> ReadWorldKeys(const IniText& ini) {
  std::vector<WorldKey> keys;
  for (const auto& [key, value] : ini.Entries("World")) {
    if (key.empty() || !FitsBetweenQuotes(key) || !FitsBetweenQuotes(value) ||
        EqualIgnoringCase(key, "classname")) {
      continue;
    }
    bool seen = false;
    for (const WorldKey& earlier : keys) seen = seen || EqualIgnoringCase(earlier.key, key);
    if (!seen) keys.push_back({std::string(key), std::string(value)});
  }
  return keys;
}

Settings SettingsOf(const IniText& ini) {
  Settings settings;
  PlacementSettings& block = settings.block;
  block.Bx = ini.Integer("Block", "Bx", block.Bx);
  block.By = ini.Integer("Block", "By", block.By);
  block.Bz = ini.Integer("Block", "Bz", block.Bz);
  block.Ox = ini.Integer("Block", "Ox", block.Ox);
  block.Oy = ini.Integer("Block", "Oy", block.Oy);
  block.map.keepFaceFlags = ini.Integer("Faces", "KeepFlags", 0) != 0;
  block.map.worldKeys = ReadWorldKeys(ini);
  settings.Ax = ini.Integer("Area", "Ax", settings.Ax);
  settings.Ay = ini.Integer("Area", "Ay", settings.Ay);
  ReadGameSection(ini, settings.game);
  return settings;
}

}  // namespace

const char* TargetGameName(TargetGame game) {
  switch (game) {
    case TargetGame::kQuake2:
      return "Quake2";
    case TargetGame::kHeretic2:
      return "Heretic2";
    case TargetGame::kQuake:
      break;
  }
  return "Quake";
}

Settings ParseSettings(std::string_view iniText) {
  return SettingsOf(IniText(iniText));
}

SettingsFile LoadSettingsFile(const std::string& path) {
  SettingsFile file;
  const auto warn = [&](std::string_view reason) {
    file.warning = platform::PathMessage(path, reason);
    file.warning += "; the default settings are used";
    return file;
  };
  const platform::ReadResult read = platform::ReadWholeFile(path, platform::kSettingsFileLimit);
  if (read.status == platform::ReadStatus::kNotFound) return file;
  if (read.status != platform::ReadStatus::kOk) {
    file.warning = read.error + "; the default settings are used";
    return file;
  }
  // Text in UTF-16 holds NUL bytes too; its sections would never match.
  if (read.bytes.find('\0') != std::string::npos) {
    return warn("holds a NUL byte, so it is not a settings file");
  }
  const IniText ini(read.bytes);
  if (!ini.LooksLikeSettings()) {
    return warn("no line is a [section] or a key=value, so it is not a settings file");
  }
  file.settings = SettingsOf(ini);
  return file;
}

Settings ReadSettingsFile(const std::string& path) {
  return LoadSettingsFile(path).settings;
}

}  // namespace cw::settings
