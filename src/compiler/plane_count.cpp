#include "compiler/plane_count.h"

#include <cstdlib>

namespace cw::compiler {

std::size_t PlaneCount::KeyHash::operator()(const Key& key) const {
  std::uint64_t hash = 1469598103934665603ull;
  for (const std::int64_t part : key) {
    hash ^= static_cast<std::uint64_t>(part);
    hash *= 1099511628211ull;
    hash ^= hash >> 29;
  }
  return static_cast<std::size_t>(hash);
}

void PlaneCount::AddBlock(const document::BlockRecord& record,
                          const std::vector<TemplatePlane>& planes) {
  for (const TemplatePlane& plane : planes) {
    // Turning and mirroring carry a normal as they carry a point; the distance follows from a
    // placed point. The normal stays free of common divisors.
    const Point2 normal = OrientPoint(record.flags, plane.normal[0], plane.normal[1]);
    const Point3 point =
        PlacePoint(settings_, record, plane.point[0], plane.point[1], plane.point[2]);
    // Within these sizes the distance is exact in 64 bits; a face beyond them is counted as a
    // plane of its own.
    constexpr std::int64_t kNormalBound = std::int64_t{1} << 30;
    constexpr std::int64_t kPointBound = std::int64_t{1} << 31;
    const bool exact = std::llabs(normal.x) < kNormalBound && std::llabs(normal.y) < kNormalBound &&
                       std::llabs(plane.normal[2]) < kNormalBound &&
                       std::llabs(point.x) < kPointBound && std::llabs(point.y) < kPointBound &&
                       std::llabs(point.z) < kPointBound;
    if (!exact) {
      ++inexact_;
      continue;
    }
    Key key = {normal.x, normal.y, plane.normal[2],
               normal.x * point.x + normal.y * point.y + plane.normal[2] * point.z};
    // One sign for a plane and its opposite: the first component that is not zero is positive.
    const bool flip = key[0] < 0 || (key[0] == 0 && (key[1] < 0 || (key[1] == 0 && key[2] < 0)));
    if (flip) {
      for (std::int64_t& part : key) part = -part;
    }
    planes_.insert(key);
  }
}

}  // namespace cw::compiler
