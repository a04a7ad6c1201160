#pragma once

#include <cstdint>

#include "document/records.h"
#include "editor/link_geometry.h"

namespace cw::editor {

// A link drag, from a press in link mode to the next release: the floor and the centre of the
// cell where it began, and the free end of the rubber band, the last pointer position.
struct LinkDrag {
  bool LinkDragActive = false;
  std::int32_t startFloor = 0;
  PixelPoint start;
  PixelPoint end;
};

// The link that a drag makes when it is released at the canvas point (x, y) on `endFloor`: from
// the cell of the drag's start point (the centre of the pressed cell) on `startFloor` to the cell
// under the release point, which may lie outside the grid.
document::LinkRecord ReleasedLink(std::int32_t startFloor, std::int32_t startX, std::int32_t startY,
                                  std::int32_t endFloor, std::int32_t x, std::int32_t y);

}  // namespace cw::editor
