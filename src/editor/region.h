#pragma once

#include <cstdint>

#include "document/records.h"

namespace cw::editor {

// The floor's grid: the canvas's cells, Ax div 32 columns by Ay div 32 rows.
struct Grid {
  std::int32_t columns = 32;
  std::int32_t rows = 32;
  bool Contains(std::int32_t column, std::int32_t row) const {
    return column >= 0 && row >= 0 && column < columns && row < rows;
  }
};

// A rectangle of cells on one floor: its top-left cell and its size in cells.
struct Region {
  std::int32_t floor = 0;
  std::int32_t column = 0;
  std::int32_t row = 0;
  std::int32_t columns = 0;
  std::int32_t rows = 0;

  bool Contains(const document::Cell& cell) const {
    return cell.floor == floor && cell.column >= column && cell.row >= row &&
           std::int64_t{cell.column} - column < columns && std::int64_t{cell.row} - row < rows;
  }
  bool operator==(const Region&) const = default;
};

}  // namespace cw::editor
