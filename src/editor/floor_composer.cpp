// The floor composer: the one place that draws the floor view's layers in their order. The
// blocks, then the links, the leak of the last Build, the rubber band of a link drag, and last the
// cell marker. The marker (exclusive-or) and the band (inverted pixels) take themselves off when
// drawn a second time, so the steps between two composings toggle them in place.
#include <QFont>

#include "editor/canvas_pixels.h"
#include "editor/captions.h"
#include "editor/editor.h"
#include "editor/leak_overlay.h"
#include "editor/link_drawing.h"
#include "editor/marker.h"
#include "editor/text_bytes.h"

namespace cw::editor {

void Editor::ToggleMarkerOnFloor() {
  ToggleMarker(state_.FloorCanvas, state_.MarkerColumn, state_.MarkerRow);
}

void Editor::InvertRubberBand() {
  InvertLine(state_.FloorCanvas, state_.drag.start, state_.drag.end);
}

void Editor::ComposeFloor(BlockLayer blocks, LinkLayer links) {
  QImage& canvas = state_.FloorCanvas;
  switch (blocks) {
    case BlockLayer::kBackground:
      FillBackground();
      break;
    case BlockLayer::kRedraw:
      RedrawFloor();
      break;
    case BlockLayer::kSnapshot:
      // A snapshot of another size than the canvas (none taken yet) is not copied.
      if (state_.FloorSnapshot.size() == canvas.size()) canvas = state_.FloorSnapshot;
      break;
    case BlockLayer::kCanvas:
    case BlockLayer::kKeep:
      // The marker and the band come off; for kCanvas the rest is the blocks, with the cells
      // placed or erased since the last redraw.
      ToggleMarkerOnFloor();
      if (state_.drag.LinkDragActive) InvertRubberBand();
      if (blocks == BlockLayer::kCanvas) state_.FloorSnapshot = canvas.copy();
      break;
  }
  const QFont font = state_.canvasFont.value_or(QFont());
  if (links == LinkLayer::kCell) {
    const CellLinkCounts counts = DrawCellLinks(canvas, font, Level().LinkList, state_.floor,
                                                state_.MarkerColumn, state_.MarkerRow);
    state_.linksCaption = FromBytes(CellLinkCaption(counts.out, counts.in));
  } else if (links == LinkLayer::kAll || state_.linkMode) {
    DrawLinkOverlay(canvas, font, Level().LinkList, state_.floor);
  }
  if (session_.HasLeak()) DrawLeakPath(canvas, session_.Leak(), state_.floor);
  if (state_.drag.LinkDragActive) InvertRubberBand();
  ToggleMarkerOnFloor();
}

}  // namespace cw::editor
