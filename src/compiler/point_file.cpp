#include "compiler/point_file.h"

#include <cmath>

#include "document/records.h"

namespace cw::compiler {

std::optional<FloorViewPoint> PointOnFloorView(const PlacementSettings& settings,
                                               const MapPoint& point) {
  if (settings.Bx == 0 || settings.By == 0 || settings.Bz == 0) return std::nullopt;
  constexpr double kCell = document::kCellSize;
  // Columns and rows in cell units, 0 at the middle of cell 0.
  const double column = (point.x - settings.Ox) / settings.Bx;
  const double row = (settings.Oy - point.y) / settings.By;
  const double floor = std::floor(point.z / settings.Bz);
  constexpr double kFar = 1e9;  // beyond any canvas, and within every integer type used
  if (std::abs(column) > kFar || std::abs(row) > kFar || std::abs(floor) > kFar) {
    return std::nullopt;
  }
  FloorViewPoint result;
  result.floor = static_cast<std::int32_t>(floor);
  result.x = kCell * column + kCell / 2;
  result.y = kCell * row + kCell / 2;
  result.column = static_cast<std::int64_t>(std::floor(column + 0.5));
  result.row = static_cast<std::int64_t>(std::floor(row + 0.5));
  return result;
}

}  // namespace cw::compiler
