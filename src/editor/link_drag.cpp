#include "editor/link_drag.h"

#include "editor/link_geometry.h"

namespace cw::editor {

document::LinkRecord ReleasedLink(std::int32_t startFloor, std::int32_t startX, std::int32_t startY,
                                  std::int32_t endFloor, std::int32_t x, std::int32_t y) {
  // Dividing 32-bit values by 32 keeps every cell within 32 bits.
  const GridCell start = CellOfPoint(startX, startY);
  const GridCell end = CellOfPoint(x, y);
  return {startFloor, static_cast<std::int32_t>(start.column), static_cast<std::int32_t>(start.row),
          endFloor,   static_cast<std::int32_t>(end.column),   static_cast<std::int32_t>(end.row)};
}

}  // namespace cw::editor
