#include "formats/point_file.h"

#include <cmath>

#include "formats/scanner.h"
#include "platform/text_lines.h"

namespace cw::formats {

std::vector<MapPoint> ParsePointFile(std::string_view bytes) {
  std::vector<MapPoint> points;
  for (const std::string& line : platform::SplitTextLines(bytes)) {
    if (points.size() == kMaxLeakPoints) break;
    Scanner scanner(line);
    float x = 0, y = 0, z = 0;
    if (!scanner.Float(x) || !scanner.Float(y) || !scanner.Float(z)) continue;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) continue;
    points.push_back({x, y, z});
  }
  return points;
}

std::vector<std::string> PointFilePaths(const std::string& mapPath) {
  const std::size_t slash = mapPath.find_last_of("/\\");
  const std::size_t dot = mapPath.rfind('.');
  const std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                               ? mapPath.substr(0, dot)
                               : mapPath;
  return {stem + ".pts", stem + ".lin"};
}

}  // namespace cw::formats
