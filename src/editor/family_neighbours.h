#pragma once

#include <array>
#include <cstdint>

#include "editor/piece_shape.h"

namespace cw::editor {

// The four neighbours of a cell on its floor, as steps of column and row (rows count downwards).
struct Neighbour {
  Sides side;
  std::int32_t column;
  std::int32_t row;
};
inline constexpr std::array<Neighbour, 4> kNeighbours{
    {{kNorth, 0, -1}, {kEast, 1, 0}, {kSouth, 0, 1}, {kWest, -1, 0}}};

// The sides of the cell (column, row) whose neighbour belongs to the family, as
// `belongs(column, row)` tells.
template <class Belongs>
Sides JoinedSides(const Belongs& belongs, std::int32_t column, std::int32_t row) {
  Sides joined = 0;
  for (const Neighbour& n : kNeighbours) {
    if (belongs(column + n.column, row + n.row)) joined |= n.side;
  }
  return joined;
}

}  // namespace cw::editor
