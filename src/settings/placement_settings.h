#pragma once

#include <cstdint>

namespace cw::settings {

// The five "Block" settings: world units per column, row and floor, and the world offset of
// column 0 and row 0.
struct PlacementSettings {
  std::int32_t Bx = 128;
  std::int32_t By = 128;
  std::int32_t Bz = 128;
  std::int32_t Ox = 0;
  std::int32_t Oy = 0;
};

}  // namespace cw::settings
