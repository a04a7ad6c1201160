// Link mode: the link overlay, the rubber band of a drag, and the cell's link view.
#include "document/captions.h"
#include "editor/canvas_pixels.h"
#include "editor/editor.h"
#include "editor/link_drawing.h"
#include "editor/link_geometry.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::StartLinkDrag(std::int32_t x, std::int32_t y) {
  LinkDrag& drag = state_.drag;
  // A drag whose release never arrived would leave its band behind; take it off first.
  if (drag.LinkDragActive) InvertRubberBand();
  const GridCell cell = CellOfPoint(x, y);
  drag.startFloor = CurrentFloor();
  drag.start = CellCentre(cell.column, cell.row);
  drag.end = {x, y};
  drag.LinkDragActive = true;
  InvertRubberBand();
}

void Editor::InvertRubberBand() {
  InvertLine(FloorCanvas(), state_.drag.start, state_.drag.end);
}

void Editor::RestoreFloorSnapshot() {
  QImage& canvas = FloorCanvas();
  if (state_.FloorSnapshot.size() != canvas.size()) return;
  canvas = state_.FloorSnapshot;
}

void Editor::ShowCellLinks(std::int32_t column, std::int32_t row) {
  RestoreFloorSnapshot();
  const CellLinkCounts counts = DrawCellLinks(FloorCanvas(), floorView_->FloorCanvasFont(),
                                              state_.level.LinkList, CurrentFloor(), column, row);
  DrawLeakOverlay();
  toolBox_->SetLinksCaption(FromBytes(document::CellLinkCaption(counts.out, counts.in)));
}

void Editor::DrawFloorLinks() {
  DrawLinkOverlay(FloorCanvas(), floorView_->FloorCanvasFont(), state_.level.LinkList,
                  CurrentFloor());
}

void Editor::LinksClick() {
  if (LinkModeOn()) {
    // A fresh snapshot keeps the cells placed or erased since the last full redraw. The marker
    // goes back on after the links, so that drawing it again restores what lies beneath.
    if (compile_.HasLeak()) {
      // The canvas holds the leak, which the snapshot must not: the floor is drawn again.
      RedrawFloor();
    } else {
      ToggleMarkerOnFloor();
      state_.FloorSnapshot = FloorCanvas().copy();
    }
    DrawFloorLinks();
    DrawLeakOverlay();
    ToggleMarkerOnFloor();
  } else {
    RestoreFloorSnapshot();
    DrawLeakOverlay();
    ToggleMarkerOnFloor();
    SetLinkCountCaption();
  }
}

}  // namespace cw::editor
