#pragma once

#include <cstdint>

#include "settings/map_options.h"

namespace cw::settings {

// What Build takes from the settings file: the five "Block" settings (world units per column,
// row and floor, and the world offset of column 0 and row 0) and the map options, which are off
// by default.
struct PlacementSettings {
  std::int32_t Bx = 128;
  std::int32_t By = 128;
  std::int32_t Bz = 128;
  std::int32_t Ox = 0;
  std::int32_t Oy = 0;
  MapOptions map{};
};

}  // namespace cw::settings
