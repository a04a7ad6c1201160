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

// Reads the settings file; a missing or unreadable file gives the defaults.
Settings ReadSettingsFile(const std::string& path);

}  // namespace cw::settings
