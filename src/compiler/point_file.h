#pragma once

#include <cstdint>
#include <optional>

#include "compiler/placement.h"
#include "formats/point_file.h"

namespace cw::compiler {

using formats::MapPoint;

// Where a map point lies on the floor view: its floor and its place in canvas pixels, found by
// undoing the placement: a column is Bx wide around Ox + Bx * column, rows run along -Y from Oy,
// and a floor spans Bz upwards from Bz * floor.
struct FloorViewPoint {
  std::int32_t floor = 0;
  double x = 0;  // canvas pixels
  double y = 0;
  std::int64_t column = 0;
  std::int64_t row = 0;
  bool operator==(const FloorViewPoint&) const = default;
};
// Nothing when a setting of zero size leaves no way back.
std::optional<FloorViewPoint> PointOnFloorView(const PlacementSettings& settings,
                                               const MapPoint& point);

}  // namespace cw::compiler
