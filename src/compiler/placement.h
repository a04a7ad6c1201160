#pragma once

#include <cstdint>

#include "document/records.h"
#include "settings/placement_settings.h"

namespace cw::compiler {

// The compiler places blocks by the five "Block" settings read at start-up.
using settings::PlacementSettings;

// All placement arithmetic is done in 64 bits: every input is a 32-bit number, so no sum or
// product below can overflow.

struct Point2 {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const Point2&) const = default;
};

struct Point3 {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t z = 0;
  bool operator==(const Point3&) const = default;
};

// The world point that a block's template origin is carried to:
// Sx = Bx * column + Ox, Sy = Oy - By * row, Sz = Bz * floor. Texture alignment uses the same
// three numbers as its shifts.
Point3 CellReferencePoint(const PlacementSettings& settings, const document::Cell& cell);

// Orients a template point's horizontal coordinates by the orientation flags: rotate first
// (a quarter turn counter-clockwise seen from above, (x, y) -> (-y, x)), then the X and Y flips.
// Flags outside 0 to 7 leave the point unchanged.
Point2 OrientPoint(std::int32_t flags, std::int64_t x, std::int64_t y);

// True for the orientations that mirror (flags 1, 2, 5 and 6): they reverse a face's point order
// and the sense of a distance.
bool IsMirroring(std::int32_t flags);

// OrientPoint, then the move to the block's cell reference point.
Point3 PlacePoint(const PlacementSettings& settings, const document::BlockRecord& record,
                  std::int64_t x, std::int64_t y, std::int64_t z);

// Orients a direction angle in whole degrees, counter-clockwise from world +X. A negative angle is
// returned unchanged; otherwise at most one wrap by 360 is applied.
std::int64_t OrientAngle(std::int32_t flags, std::int64_t angle);

// The number that names a cell: (floor + 50) * 10000 + column * 100 + row.
std::int64_t CellNumber(std::int64_t floor, std::int64_t column, std::int64_t row);

}  // namespace cw::compiler
