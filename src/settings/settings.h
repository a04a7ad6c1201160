#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/game_settings.h"
#include "settings/placement_settings.h"

namespace cw::settings {

inline constexpr const char* kSettingsFileName = "PellEd.ini";

// The settings file: section "Block" (Bx, By, Bz, Ox, Oy), section "Area" (Ax, Ay), section "Game"
// (Target, PlayerStarts), and the map options: section "Faces" (KeepFlags, a number: not 0 keeps
// a face's contents, surface flags and value) and section "World" (every "key=value" line a key
// of the map's world entity).
struct Settings {
  PlacementSettings block;
  std::int32_t Ax = 1024;  // floor canvas width in pixels
  std::int32_t Ay = 1024;  // floor canvas height in pixels
  GameSettings game;       // section "Game": the target game and its player starts
};

// Reads the settings from the text of an INI file; every missing or unreadable value keeps its
// default.
Settings ParseSettings(std::string_view iniText);

// The settings of a settings file, and what was wrong with the file.
struct SettingsFile {
  Settings settings;
  // Empty for a file that was read, and for a missing one (the defaults, without a word). For a
  // file that exists but cannot be read (a folder, a pipe or a device, no permission, larger
  // than platform::kSettingsFileLimit) or is no settings file (a NUL byte, or no line that is a
  // section or a key), one line that names the file and the reason; the defaults are used.
  std::string warning;
};

SettingsFile LoadSettingsFile(const std::string& path);

// The settings alone: the defaults for a missing or unusable file.
Settings ReadSettingsFile(const std::string& path);

}  // namespace cw::settings
