#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cw::formats {

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

// The point file that a compile of the map at mapPath writes beside it: NAME.pts or NAME.lin.
std::vector<std::string> PointFilePaths(const std::string& mapPath);

}  // namespace cw::formats
