#include "editor/link_mode.h"

#include <QCheckBox>

#include "document/captions.h"
#include "document/level_edit.h"
#include "editor/canvas_pixels.h"
#include "editor/editor.h"
#include "editor/link_drag.h"
#include "editor/link_drawing.h"
#include "editor/link_geometry.h"
#include "editor/marker.h"
#include "editor/palette.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

QFont FloorNumberFont(const Editor& editor) {
  return editor.FloorView().Image1->font();
}

void StartLinkDrag(Editor& editor, std::int32_t x, std::int32_t y) {
  // A drag whose release never arrived would leave its band behind; take it off first.
  if (editor.LinkDragActive) InvertRubberBand(editor);
  const GridCell cell = CellOfPoint(x, y);
  const PixelPoint centre = CellCentre(cell.column, cell.row);
  editor.LinkStartFloor = editor.CurrentFloor();
  editor.LinkStartX = static_cast<std::int32_t>(centre.x);
  editor.LinkStartY = static_cast<std::int32_t>(centre.y);
  editor.LinkEndX = x;
  editor.LinkEndY = y;
  editor.LinkDragActive = true;
  InvertRubberBand(editor);
}

void InvertRubberBand(Editor& editor) {
  InvertLine(editor.FloorCanvas(), {editor.LinkStartX, editor.LinkStartY},
             {editor.LinkEndX, editor.LinkEndY});
}

void RestoreFloorSnapshot(Editor& editor) {
  QImage& canvas = editor.FloorCanvas();
  if (editor.FloorSnapshot.size() != canvas.size()) return;
  canvas = editor.FloorSnapshot;
}

void ShowCellLinks(Editor& editor, std::int32_t column, std::int32_t row) {
  RestoreFloorSnapshot(editor);
  const CellLinkCounts counts =
      DrawCellLinks(editor.FloorCanvas(), FloorNumberFont(editor), editor.level.LinkList,
                    editor.CurrentFloor(), column, row);
  editor.ToolBox().Links->setText(FromBytes(document::CellLinkCaption(counts.out, counts.in)));
}

void Editor::DrawFloorLinks() {
  DrawLinkOverlay(FloorCanvas(), FloorNumberFont(*this), level.LinkList, CurrentFloor());
}

void Editor::LinksClick() {
  if (LinkModeOn()) {
    // A fresh snapshot keeps the cells placed or erased since the last full redraw. The marker
    // goes back on after the links, so that drawing it again restores what lies beneath.
    ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
    FloorSnapshot = FloorCanvas().copy();
    DrawFloorLinks();
    ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  } else {
    RestoreFloorSnapshot(*this);
    ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
    SetLinkCountCaption();
  }
}

void Editor::FloorMouseMove(Qt::KeyboardModifiers, int x, int y) {
  if (!LinkDragActive) return;
  // Two lines and nothing else: the old band inverted back, the new one inverted on.
  InvertRubberBand(*this);
  LinkEndX = x;
  LinkEndY = y;
  InvertRubberBand(*this);
}

void Editor::FloorMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
  if (!LinkDragActive) return;
  InvertRubberBand(*this);
  LinkDragActive = false;
  const document::LinkRecord link =
      ReleasedLink(LinkStartFloor, LinkStartX, LinkStartY, CurrentFloor(), x, y);
  // The links are drawn under the marker, which is taken off and put back around them: a link
  // drawn over the ring would be marked by the ring's next toggle.
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  if (document::ToggleLink(level, link) == document::LinkToggle::kRemoved) {
    // The removed link is still on the canvas: start again from the blocks.
    RestoreFloorSnapshot(*this);
  }
  DrawFloorLinks();
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  SetLinkCountCaption();
}

}  // namespace cw::editor
