#pragma once

// Template part of link_geometry.h.

#include <algorithm>
#include <cstdint>

namespace cw::editor {

namespace line_detail {

// The offset along the minor axis at `step` of `steps`, for a total minor offset of `delta`:
// step * delta / steps rounded to the nearest pixel, halves away from the start. The product
// needs more than 64 bits for lines between far-off cells.
inline std::int64_t MinorOffset(std::int64_t step, std::int64_t delta, std::int64_t steps) {
  const __int128 magnitude = static_cast<__int128>(step) * (delta < 0 ? -delta : delta);
  const __int128 rounded = (2 * magnitude + steps) / (2 * static_cast<__int128>(steps));
  return static_cast<std::int64_t>(delta < 0 ? -rounded : rounded);
}

// The first and last step whose major coordinate start + sign * step lies in [low, high), within
// [0, steps); empty when first > last.
inline void StepsInside(std::int64_t start, int sign, std::int64_t low, std::int64_t high,
                        std::int64_t steps, std::int64_t& first, std::int64_t& last) {
  if (sign > 0) {
    first = std::max<std::int64_t>(0, low - start);
    last = std::min<std::int64_t>(steps - 1, high - 1 - start);
  } else {
    first = std::max<std::int64_t>(0, start - (high - 1));
    last = std::min<std::int64_t>(steps - 1, start - low);
  }
}

}  // namespace line_detail

template <typename Visit>
void ForEachLinePixel(PixelPoint from, PixelPoint to, const PixelBounds& bounds, Visit&& visit) {
  const std::int64_t dx = to.x - from.x;
  const std::int64_t dy = to.y - from.y;
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t steps = xMajor ? adx : ady;
  if (steps == 0) return;
  const int sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  std::int64_t first = 0;
  std::int64_t last = -1;
  if (xMajor) {
    line_detail::StepsInside(from.x, sign, bounds.left, bounds.right, steps, first, last);
  } else {
    line_detail::StepsInside(from.y, sign, bounds.top, bounds.bottom, steps, first, last);
  }
  for (std::int64_t step = first; step <= last; ++step) {
    const std::int64_t major = (xMajor ? from.x : from.y) + sign * step;
    const std::int64_t minor =
        (xMajor ? from.y : from.x) + line_detail::MinorOffset(step, xMajor ? dy : dx, steps);
    const std::int64_t x = xMajor ? major : minor;
    const std::int64_t y = xMajor ? minor : major;
    if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom) visit(x, y);
  }
}

}  // namespace cw::editor
