#pragma once

#include <cstdint>

#include "document/records.h"

namespace cw::editor {

// The link that a drag makes when it is released at the canvas point (x, y) on `endFloor`: from
// the cell of the drag's start point (the centre of the pressed cell) on `startFloor` to the cell
// under the release point, which may lie outside the grid.
document::LinkRecord ReleasedLink(std::int32_t startFloor, std::int32_t startX, std::int32_t startY,
                                  std::int32_t endFloor, std::int32_t x, std::int32_t y);

}  // namespace cw::editor
