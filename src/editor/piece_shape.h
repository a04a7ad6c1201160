#pragma once

#include <cstdint>

namespace cw::editor {

// The four sides of a cell on the floor view: north is up (world +Y), east right (world +X),
// south down, west left. A set of sides is a number from 0 to 15.
using Sides = std::uint8_t;
inline constexpr Sides kNorth = 1;
inline constexpr Sides kEast = 2;
inline constexpr Sides kSouth = 4;
inline constexpr Sides kWest = 8;
inline constexpr Sides kAllSides = kNorth | kEast | kSouth | kWest;

// How a cell of a family is joined to the neighbours of the same family on its floor.
enum class Shape { kAlone, kEnd, kStraight, kCorner, kT, kCross };
inline constexpr int kShapeCount = 6;

// The sides that a family's piece of each shape joins as its block is drawn, in orientation 0:
// alone none; end south; straight north and south; corner east and south; T east, south and west;
// cross all four. These are the open sides of the bundled room pieces: WallEnd is open to the
// south, Corridor to the north and south, Corner to the east and south, Wall to all but the north.
Sides BaseSides(Shape shape);

// The sides that a piece joining `sides` joins once turned by orientation flags (1 X flip, 2 Y
// flip, 4 rotate), as the floor view and the built map turn it. Flags outside 0 to 7 turn nothing.
Sides TurnSides(std::int32_t flags, Sides sides);

struct PieceTurn {
  Shape shape = Shape::kAlone;
  std::int32_t flags = 0;
  bool operator==(const PieceTurn&) const = default;
};

// The shape and orientation whose piece joins exactly `sides` (0 to 15): of the orientations
// that turn the base piece onto them, the lowest flags value.
PieceTurn PieceFor(Sides sides);

}  // namespace cw::editor
