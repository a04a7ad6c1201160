#pragma once

#include <cstdint>
#include <optional>

#include "document/records.h"

// Integer geometry of the floor canvas: cells, cell centres, the arrow head of a link and the
// pixels of a line. Coordinates are 64-bit so that the far end of a link to a cell well outside
// the grid (a hand-edited level) neither overflows nor slows the drawing.
namespace cw::editor {

using document::kCellSize;

struct PixelPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const PixelPoint&) const = default;
};

struct GridCell {
  std::int64_t column = 0;
  std::int64_t row = 0;
  bool operator==(const GridCell&) const = default;
};

// The cell of a canvas point: each coordinate divided by 32, truncating toward zero, so that
// x = -20 falls in column 0 like x = 20.
constexpr GridCell CellOfPoint(std::int64_t x, std::int64_t y) {
  return {x / kCellSize, y / kCellSize};
}

// The centre pixel of a cell, where links start and end.
constexpr PixelPoint CellCentre(std::int64_t column, std::int64_t row) {
  return {kCellSize * column + kCellSize / 2, kCellSize * row + kCellSize / 2};
}

// The two strokes of a link's arrow head, both drawn from the tip at the line's midpoint.
struct ArrowHead {
  PixelPoint tip;
  PixelPoint barb1;
  PixelPoint barb2;
  bool operator==(const ArrowHead&) const = default;
};

// The arrow head of the line from one cell centre to another; none when both are the same point
// (a link to the same cell on another floor). Every division truncates toward zero and each
// product is formed before it is divided.
std::optional<ArrowHead> LinkArrowHead(PixelPoint from, PixelPoint to);

// A pixel rectangle [left, right) x [top, bottom) that limits which pixels a line visits.
struct PixelBounds {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
};

// Calls visit(x, y) for every pixel of the line from `from` to `to` that lies inside `bounds`, the
// start pixel included and the end pixel left out, one pixel per step along the longer axis. A
// line from a point to itself has no pixels. Only the steps inside the bounds are visited, so the
// cost is bounded by the size of the bounds whatever the length of the line.
template <typename Visit>
void ForEachLinePixel(PixelPoint from, PixelPoint to, const PixelBounds& bounds, Visit&& visit);

}  // namespace cw::editor

#include "editor/link_geometry_inl.h"
