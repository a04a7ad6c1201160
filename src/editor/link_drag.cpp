#include "editor/link_drag.h"

#include "editor/link_geometry.h"

namespace cw::editor {

void StartLinkDrag(LinkDrag& drag, std::int32_t floor, std::int32_t x, std::int32_t y) {
  const GridCell cell = CellOfPoint(x, y);
  const PixelPoint centre = CellCentre(cell.column, cell.row);
  drag.LinkStartFloor = floor;
  drag.LinkStartX = static_cast<std::int32_t>(centre.x);
  drag.LinkStartY = static_cast<std::int32_t>(centre.y);
  drag.LinkEndX = x;
  drag.LinkEndY = y;
  drag.LinkDragActive = true;
}

document::LinkRecord ReleasedLink(const LinkDrag& drag, std::int32_t floor, std::int32_t x,
                                  std::int32_t y) {
  const GridCell start = CellOfPoint(drag.LinkStartX, drag.LinkStartY);
  const GridCell end = CellOfPoint(x, y);
  return {drag.LinkStartFloor,
          static_cast<std::int32_t>(start.column),
          static_cast<std::int32_t>(start.row),
          floor,
          static_cast<std::int32_t>(end.column),
          static_cast<std::int32_t>(end.row)};
}

}  // namespace cw::editor
