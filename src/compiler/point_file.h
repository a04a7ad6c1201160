#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/placement.h"

namespace cw::compiler {

// A point of the map, in map units.
struct MapPoint {
  double x = 0;
  double y = 0;
  double z = 0;
  bool operator==(const MapPoint&) const = default;
};

// The points of a compiler's point file: one "x y z" per line, as Quake's qbsp writes NAME.pts
// and Quake 2's qbsp3 writes NAME.lin when a map leaks. Lines that do not hold three numbers are
// skipped; at most kMaxLeakPoints are taken.
inline constexpr std::size_t kMaxLeakPoints = 100000;
std::vector<MapPoint> ParsePointFile(std::string_view bytes);

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

// The point file that a compile of the map at mapPath writes beside it: NAME.pts or NAME.lin.
std::vector<std::string> PointFilePaths(const std::string& mapPath);

}  // namespace cw::compiler
