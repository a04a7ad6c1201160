#include "compiler/placement.h"

namespace cw::compiler {

Point3 CellReferencePoint(const PlacementSettings& settings, const document::Cell& cell) {
  return {std::int64_t{settings.Bx} * cell.column + settings.Ox,
          std::int64_t{settings.Oy} - std::int64_t{settings.By} * cell.row,
          std::int64_t{settings.Bz} * cell.floor};
}

Point2 OrientPoint(std::int32_t flags, std::int64_t x, std::int64_t y) {
  if (flags < 0 || flags > 7) return {x, y};
  if (flags & document::kRotate) {
    const std::int64_t turnedX = -y;
    y = x;
    x = turnedX;
  }
  if (flags & document::kFlipX) x = -x;
  if (flags & document::kFlipY) y = -y;
  return {x, y};
}

bool IsMirroring(std::int32_t flags) {
  return flags == 1 || flags == 2 || flags == 5 || flags == 6;
}

Point3 PlacePoint(const PlacementSettings& settings, const document::BlockRecord& record,
                  std::int64_t x, std::int64_t y, std::int64_t z) {
  const Point3 shift = CellReferencePoint(settings, record.cell());
  const Point2 oriented = OrientPoint(record.flags, x, y);
  return {oriented.x + shift.x, oriented.y + shift.y, z + shift.z};
}

std::int64_t OrientAngle(std::int32_t flags, std::int64_t angle) {
  if (angle < 0) return angle;
  // Mirroring orientations reflect the angle (may go negative: add 360); the others turn it
  // (may reach 360 or more: subtract 360).
  switch (flags) {
    case 0:
      return angle;
    case 1:
    case 2:
    case 5:
    case 6: {
      const std::int64_t base = flags == 1 ? 180 : flags == 2 ? 0 : flags == 5 ? 90 : 270;
      const std::int64_t result = base - angle;
      return result < 0 ? result + 360 : result;
    }
    case 3:
    case 4:
    case 7: {
      const std::int64_t result = angle + (flags == 3 ? 180 : flags == 4 ? 90 : 270);
      return result >= 360 ? result - 360 : result;
    }
    default:
      return angle;
  }
}

std::int64_t CellNumber(std::int64_t floor, std::int64_t column, std::int64_t row) {
  return (floor + 50) * 10000 + column * 100 + row;
}

}  // namespace cw::compiler
