#include "editor/leak_overlay.h"

#include <cmath>

#include "editor/canvas_pixels.h"

namespace cw::editor {
namespace {

PixelPoint Pixel(const compiler::FloorViewPoint& point) {
  return {static_cast<std::int64_t>(std::lround(point.x)),
          static_cast<std::int64_t>(std::lround(point.y))};
}

}  // namespace

void DrawLeakPath(QImage& canvas, const std::vector<compiler::FloorViewPoint>& path,
                  std::int32_t floor) {
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    if (path[i].floor != floor && path[i + 1].floor != floor) continue;
    const PixelPoint from = Pixel(path[i]);
    const PixelPoint to = Pixel(path[i + 1]);
    DrawLine(canvas, from, to, kLeakColour);
    // DrawLine leaves out its last pixel; the next segment or the box below covers it.
    DrawLine(canvas, to, {to.x + 1, to.y}, kLeakColour);
  }
  for (const compiler::FloorViewPoint& point : path) {
    if (point.floor != floor) continue;
    const PixelPoint at = Pixel(point);
    DrawBox(canvas, {at.x - 1, at.y - 1}, {at.x + 2, at.y + 2}, kLeakColour, kLeakColour);
  }
}

}  // namespace cw::editor
