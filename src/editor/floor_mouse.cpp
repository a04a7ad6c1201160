// The mouse on the floor canvas: placing, erasing and picking blocks, the link drag from a press
// in link mode to its release, and the cell marker that every press moves.
#include "document/level_edit.h"
#include "document/records.h"
#include "editor/block_picture.h"
#include "editor/editor.h"
#include "editor/link_drag.h"
#include "editor/link_geometry.h"
#include "editor/orient_picture.h"
#include "editor/palette.h"

namespace cw::editor {

namespace {

// What the list box says when its selected item is read while none is selected.
const char* const kNoSelectionError = "List index out of bounds (-1)";

}  // namespace

// The left button with link mode off: the selected block goes into the cell, turned by the
// orientation boxes, in place of the cell's first record; the empty item erases the cell.
void Editor::PlaceOrErase(std::int32_t column, std::int32_t row) {
  const std::string name = SelectedItemName();
  const std::int32_t flags = CurrentOrientation();
  document::ListEdit edit;
  if (document::PlaceBlock(state_.level, {CurrentFloor(), column, row, flags, name}, &edit) ==
      document::Placement::kRefused) {
    return;
  }
  RecordStep(std::move(edit));
  // Only the pressed cell is drawn again; FloorSnapshot is left as it was.
  QImage picture = LoadPicture(ItemPictureFileName(name));
  OrientPicture(picture, flags);
  DrawPicture(FloorCanvas(), picture, std::int64_t{kCellSize} * column,
              std::int64_t{kCellSize} * row);
}

// The right button: the cell's first block record goes back into the tool box, ready to be
// placed elsewhere. Neither the level nor the floor canvas changes.
void Editor::Pick(std::int32_t column, std::int32_t row) {
  const std::optional<document::BlockRecord> record =
      document::FindBlockAt(state_.level, {CurrentFloor(), column, row});
  const std::int32_t flags = record ? record->flags : 0;
  const std::string name = record ? record->name : std::string();
  toolBox_->SetLabel1Caption(DisplayName(name));

  // The item of that exact name, else the "Unknown" item, else none. A selection made here is
  // not the user's click: the boxes are not cleared by it.
  int paletteRow = -1;
  for (const std::string_view wanted : {std::string_view(name), document::kUnknownBlockName}) {
    for (std::size_t i = 0; i < palette_.size() && paletteRow < 0; ++i) {
      if (palette_[i] == wanted) paletteRow = static_cast<int>(i);
    }
  }
  toolBox_->SelectPaletteRow(paletteRow);
  // Each box that changes state previews as a click would; the pick's own preview comes last.
  SetOrientationBox(OrientationBox::kXFlip, (flags & document::kFlipX) != 0);
  SetOrientationBox(OrientationBox::kYFlip, (flags & document::kFlipY) != 0);
  SetOrientationBox(OrientationBox::kRotate, (flags & document::kRotate) != 0);
  // Without a palette item there is no picture to preview.
  if (paletteRow < 0) return;
  QImage picture = LoadPicture(ItemPictureFileName(palette_[static_cast<std::size_t>(paletteRow)]));
  OrientPicture(picture, flags);
  DrawPreview(picture);
}

void Editor::FloorMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
  const bool linkMode = LinkModeOn();
  const int selected = toolBox_->SelectedPaletteRow();
  if (button == Qt::LeftButton && !linkMode &&
      (selected < 0 || static_cast<std::size_t>(selected) >= palette_.size())) {
    // Nothing to place: the press is refused as a whole and the marker stays where it is.
    ReportError(QString::fromLatin1(kNoSelectionError));
    return;
  }
  ToggleMarkerOnFloor();
  const GridCell cell = CellOfPoint(x, y);
  const auto column = static_cast<std::int32_t>(cell.column);
  const auto row = static_cast<std::int32_t>(cell.row);
  if (linkMode && button == Qt::LeftButton) {
    StartLinkDrag(x, y);
  } else {
    if (button == Qt::LeftButton) {
      PlaceOrErase(column, row);
    } else if (button == Qt::RightButton) {
      Pick(column, row);
    }
    if (linkMode && button == Qt::RightButton) {
      ShowCellLinks(column, row);
      // The view was rebuilt from the snapshot; a drag still running needs its band back so
      // that its next move or its release restores the canvas.
      if (state_.drag.LinkDragActive) InvertRubberBand();
    }
  }
  state_.MarkerColumn = column;
  state_.MarkerRow = row;
  ToggleMarkerOnFloor();
}

void Editor::FloorMouseMove(Qt::KeyboardModifiers, int x, int y) {
  if (!state_.drag.LinkDragActive) return;
  // Two lines and nothing else: the old band inverted back, the new one inverted on.
  InvertRubberBand();
  state_.drag.end = {x, y};
  InvertRubberBand();
}

void Editor::FloorMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
  LinkDrag& drag = state_.drag;
  if (!drag.LinkDragActive) return;
  InvertRubberBand();
  drag.LinkDragActive = false;
  const document::LinkRecord link =
      ReleasedLink(drag.startFloor, static_cast<std::int32_t>(drag.start.x),
                   static_cast<std::int32_t>(drag.start.y), CurrentFloor(), x, y);
  // The links are drawn under the marker, which is taken off and put back around them: a link
  // drawn over the ring would be marked by the ring's next toggle.
  ToggleMarkerOnFloor();
  document::ListEdit edit;
  const document::LinkToggle toggle = document::ToggleLink(state_.level, link, &edit);
  if (toggle != document::LinkToggle::kRefused) RecordStep(std::move(edit));
  if (toggle == document::LinkToggle::kRemoved) {
    // The removed link is still on the canvas: start again from the blocks.
    RestoreFloorSnapshot();
  }
  DrawFloorLinks();
  DrawLeakOverlay();
  ToggleMarkerOnFloor();
  SetLinkCountCaption();
}

}  // namespace cw::editor
