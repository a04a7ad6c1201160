#include "settings/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/ini_text.h"
#include "platform/file_reader.h"
#include "platform/io_result.h"

namespace cw::settings {
namespace {

using formats::EqualIgnoringCase;
using formats::IniText;
using formats::TrimBlanks;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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

std::optional<std::string> Text(const IniText& ini, std::string_view section,
                                std::string_view key) {
  const std::optional<std::string_view> text = ini.Value(section, key);
  if (!text) return std::nullopt;
  return std::string(*text);
}

// A number of the settings file; a missing or unreadable one keeps the fallback.
std::int32_t Integer(const IniText& ini, std::string_view section, std::string_view key,
                     std::int32_t fallback) {
  const std::optional<std::string_view> text = ini.Value(section, key);
  if (!text) return fallback;
  return ParseSettingsNumber(*text).value_or(fallback);
}

// "Quake", "Quake2" or "Heretic2" in any letter case; anything else keeps Quake. PlayerStarts lists
// classnames separated by commas; blanks around each are dropped, empty ones skipped, and a list
// with none keeps the default.
void ReadGameSection(const IniText& ini, GameSettings& game) {
  if (const std::optional<std::string> target = Text(ini, "Game", "Target")) {
    if (EqualIgnoringCase(*target, "Quake2")) game.target = TargetGame::kQuake2;
    if (EqualIgnoringCase(*target, "Heretic2")) game.target = TargetGame::kHeretic2;
  }
  if (const std::optional<std::string> list = Text(ini, "Game", "PlayerStarts")) {
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
  block.Bx = Integer(ini, "Block", "Bx", block.Bx);
  block.By = Integer(ini, "Block", "By", block.By);
  block.Bz = Integer(ini, "Block", "Bz", block.Bz);
  block.Ox = Integer(ini, "Block", "Ox", block.Ox);
  block.Oy = Integer(ini, "Block", "Oy", block.Oy);
  block.map.keepFaceFlags = Integer(ini, "Faces", "KeepFlags", 0) != 0;
  block.map.worldKeys = ReadWorldKeys(ini);
  settings.Ax = Integer(ini, "Area", "Ax", settings.Ax);
  settings.Ay = Integer(ini, "Area", "Ay", settings.Ay);
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
  const platform::IoValue<std::string> read =
      platform::ReadWholeFile(path, platform::kSettingsFileLimit);
  if (read.status == platform::IoStatus::kNotFound) return file;
  if (!read) {
    file.warning = read.error + "; the default settings are used";
    return file;
  }
  // Text in UTF-16 holds NUL bytes too; its sections would never match.
  if (read.value.find('\0') != std::string::npos) {
    return warn("holds a NUL byte, so it is not a settings file");
  }
  const IniText ini(read.value);
  if (!ini.LooksLikeIni()) {
    return warn("no line is a [section] or a key=value, so it is not a settings file");
  }
  file.settings = SettingsOf(ini);
  return file;
}

Settings ReadSettingsFile(const std::string& path) {
  return LoadSettingsFile(path).settings;
}

}  // namespace cw::settings
