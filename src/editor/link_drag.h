#pragma once

#include <cstdint>

#include "document/records.h"

namespace cw::editor {

// The state of a link being drawn with the mouse: from the left press in link mode until the next
// release of any button on the floor view. It survives floor changes, which is how a link between
// two floors is drawn.
struct LinkDrag {
  bool LinkDragActive = false;
  std::int32_t LinkStartFloor = 0;
  // The centre of the pressed cell, where the rubber-band line starts.
  std::int32_t LinkStartX = 0;
  std::int32_t LinkStartY = 0;
  // The free end of the rubber-band line: the pressed point, then the last reported pointer point.
  std::int32_t LinkEndX = 0;
  std::int32_t LinkEndY = 0;
};

// Starts a drag at the canvas point (x, y) on `floor`.
void StartLinkDrag(LinkDrag& drag, std::int32_t floor, std::int32_t x, std::int32_t y);

// The link that a release at the canvas point (x, y) on `floor` makes: from the drag's start cell
// and floor to the cell under the release point, which may lie outside the grid.
document::LinkRecord ReleasedLink(const LinkDrag& drag, std::int32_t floor, std::int32_t x,
                                  std::int32_t y);

}  // namespace cw::editor
