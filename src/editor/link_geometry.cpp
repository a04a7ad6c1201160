#include "editor/link_geometry.h"

namespace cw::editor {

namespace {
constexpr std::int64_t kBarbLength = 7;
}

std::optional<ArrowHead> LinkArrowHead(PixelPoint from, PixelPoint to) {
  const std::int64_t dx = to.x - from.x;
  const std::int64_t dy = to.y - from.y;
  const std::int64_t length = (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
  if (length == 0) return std::nullopt;
  const PixelPoint tip{from.x + dx / 2, from.y + dy / 2};
  // The barbs trail back from the tip, 7 pixels along each axis for a straight link.
  const PixelPoint barb1{tip.x + kBarbLength * (dy - dx) / length,
                         tip.y - kBarbLength * (dx + dy) / length};
  const PixelPoint barb2{tip.x - kBarbLength * (dx + dy) / length,
                         tip.y + kBarbLength * (dx - dy) / length};
  return ArrowHead{tip, barb1, barb2};
}

}  // namespace cw::editor
