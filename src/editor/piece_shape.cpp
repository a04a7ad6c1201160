#include "editor/piece_shape.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>

#include "compiler/placement.h"

namespace cw::editor {
namespace {

// Each side as a direction seen from above, in world units: +X east, +Y north.
struct Direction {
  Sides side;
  std::int64_t x;
  std::int64_t y;
};
constexpr std::array<Direction, 4> kDirections{
    {{kNorth, 0, 1}, {kEast, 1, 0}, {kSouth, 0, -1}, {kWest, -1, 0}}};

Sides SideOf(const compiler::Point2& direction) {
  for (const Direction& d : kDirections) {
    if (d.x == direction.x && d.y == direction.y) return d.side;
  }
  return 0;
}

// The table of the 16 patterns, found by turning each base piece by each orientation with the
// map's own transform. Only the lowest flags value for a pattern is kept.
std::array<PieceTurn, 16> MakeTable() {
  std::array<PieceTurn, 16> table{};
  std::array<bool, 16> found{};
  for (int shape = 0; shape < kShapeCount; ++shape) {
    for (std::int32_t flags = 0; flags < 8; ++flags) {
      const Sides sides = TurnSides(flags, BaseSides(static_cast<Shape>(shape)));
      if (found[sides]) continue;
      found[sides] = true;
      table[sides] = {static_cast<Shape>(shape), flags};
    }
  }
  // Every pattern is some shape turned.
  assert(std::find(found.begin(), found.end(), false) == found.end());
  return table;
}

}  // namespace

Sides BaseSides(Shape shape) {
  switch (shape) {
    case Shape::kAlone:
      return 0;
    case Shape::kEnd:
      return kSouth;
    case Shape::kStraight:
      return kNorth | kSouth;
    case Shape::kCorner:
      return kEast | kSouth;
    case Shape::kT:
      return kEast | kSouth | kWest;
    case Shape::kCross:
      return kAllSides;
  }
  return 0;
}

Sides TurnSides(std::int32_t flags, Sides sides) {
  Sides turned = 0;
  for (const Direction& d : kDirections) {
    if (sides & d.side) turned |= SideOf(compiler::OrientPoint(flags, d.x, d.y));
  }
  // A turn moves each side to another one: no two sides meet.
  assert(std::popcount(unsigned{turned}) == std::popcount(unsigned{sides}));
  return turned;
}

PieceTurn PieceFor(Sides sides) {
  static const std::array<PieceTurn, 16> table = MakeTable();
  return table[sides & kAllSides];
}

}  // namespace cw::editor
