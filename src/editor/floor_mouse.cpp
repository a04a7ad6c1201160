// The mouse on the floor canvas: placing, erasing and picking blocks, the link drag from a press
// in link mode to its release, and the cell marker that every press moves.
#include "document/level_edit.h"
#include "document/records.h"
#include "editor/block_picture.h"
#include "editor/canvas_pixels.h"
#include "editor/editor.h"
#include "editor/family_painting.h"
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
  const document::Cell cell{state_.floor, column, row};
  bool refused = false;
  // The empty item over a cell of a family erases it and chooses its neighbours again.
  const bool familyErase = name.empty() && BelongsToAFamily(cell);
  std::vector<document::ListEdit> done;
  document_.Edit([&](document::Level& level) -> std::vector<document::ListEdit> {
    if (familyErase) return done = EraseFamilyCell(level, state_.painting.families, cell);
    document::ListEdit edit;
    refused = document::PlaceBlock(level, {state_.floor, column, row, flags, name}, &edit) ==
              document::Placement::kRefused;
    return {edit};
  });
  if (refused) return;
  // Only the pressed cell is drawn again, with the neighbours that a family erase chose anew;
  // FloorSnapshot is left as it was.
  QImage picture = LoadPictureOrUnknown(ItemPictureFileName(name));
  if (!picture.isNull()) {
    OrientPicture(picture, flags);
    DrawPicture(state_.FloorCanvas, picture, std::int64_t{kCellSize} * column,
                std::int64_t{kCellSize} * row);
  }
  DrawChangedCells(done, cell);
}

// The right button: the cell's first block record goes back into the tool box, ready to be
// placed elsewhere. Neither the level nor the floor canvas changes.
void Editor::Pick(std::int32_t column, std::int32_t row) {
  const std::optional<document::BlockRecord> record =
      document::FindBlockAt(Level(), {state_.floor, column, row});
  const std::int32_t flags = record ? record->flags : 0;
  const std::string name = record ? record->name : std::string();
  state_.label = DisplayName(name);
  // The block taken back is placed as a plain block.
  state_.painting.family = -1;

  // The item of that exact name, else the "Unknown" item, else none. A selection made here is
  // not the user's click: the boxes are not cleared by it.
  const std::vector<std::string>& palette = state_.palette;
  int paletteRow = -1;
  for (const std::string_view wanted : {std::string_view(name), document::kUnknownBlockName}) {
    for (std::size_t i = 0; i < palette.size() && paletteRow < 0; ++i) {
      if (palette[i] == wanted) paletteRow = static_cast<int>(i);
    }
  }
  state_.selectedRow = paletteRow;
  // Each box that changes state previews as a click would; the pick's own preview comes last.
  SetOrientationBoxFromCode(OrientationBox::kXFlip, (flags & document::kFlipX) != 0);
  SetOrientationBoxFromCode(OrientationBox::kYFlip, (flags & document::kFlipY) != 0);
  SetOrientationBoxFromCode(OrientationBox::kRotate, (flags & document::kRotate) != 0);
  // Without a palette item there is no picture to preview.
  if (paletteRow < 0) return;
  QImage picture =
      LoadPictureOrUnknown(ItemPictureFileName(palette[static_cast<std::size_t>(paletteRow)]));
  if (picture.isNull()) return;
  OrientPicture(picture, flags);
  DrawPreview(picture);
}

void Editor::StartLinkDrag(std::int32_t x, std::int32_t y) {
  LinkDrag& drag = state_.drag;
  // A drag whose release never arrived would leave its band behind; take it off first.
  if (drag.LinkDragActive) InvertRubberBand();
  const GridCell cell = CellOfPoint(x, y);
  drag.startFloor = state_.floor;
  drag.start = CellCentre(cell.column, cell.row);
  drag.end = {x, y};
  drag.LinkDragActive = true;
  InvertRubberBand();
}

void Editor::FloorMouseDown(Qt::MouseButton button, std::int32_t x, std::int32_t y) {
  const bool linkMode = state_.linkMode;
  const int selected = state_.selectedRow;
  if (button == Qt::LeftButton && !linkMode &&
      (selected < 0 || static_cast<std::size_t>(selected) >= state_.palette.size())) {
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
  } else if (button == Qt::LeftButton) {
    PlaceOrErase(column, row);
  } else if (button == Qt::RightButton) {
    Pick(column, row);
  }
  state_.MarkerColumn = column;
  state_.MarkerRow = row;
  if (linkMode && button == Qt::RightButton) {
    // The cell's link view: the floor from the snapshot with that cell's links only; a drag still
    // running gets its band back, so that its next move or its release restores the canvas.
    ComposeFloor(BlockLayer::kSnapshot, LinkLayer::kCell);
  } else {
    ToggleMarkerOnFloor();
  }
}

void Editor::FloorMouseMove(std::int32_t x, std::int32_t y) {
  if (!state_.drag.LinkDragActive) return;
  // Two lines and nothing else: the old band inverted back, the new one inverted on.
  InvertRubberBand();
  state_.drag.end = {x, y};
  InvertRubberBand();
}

void Editor::FloorMouseUp(std::int32_t x, std::int32_t y) {
  LinkDrag& drag = state_.drag;
  if (!drag.LinkDragActive) return;
  InvertRubberBand();
  drag.LinkDragActive = false;
  const document::LinkRecord link =
      ReleasedLink(drag.startFloor, static_cast<std::int32_t>(drag.start.x),
                   static_cast<std::int32_t>(drag.start.y), state_.floor, x, y);
  document::LinkToggle toggle = document::LinkToggle::kRefused;
  document_.Edit([&](document::Level& level) -> std::vector<document::ListEdit> {
    document::ListEdit edit;
    toggle = document::ToggleLink(level, link, &edit);
    if (toggle == document::LinkToggle::kRefused) return {};
    return {edit};
  });
  // A link added is drawn over the links already there; a removed one is still on the canvas, so
  // the floor starts again from the blocks.
  ComposeFloor(toggle == document::LinkToggle::kRemoved ? BlockLayer::kSnapshot : BlockLayer::kKeep,
               LinkLayer::kAll);
  SetLinkCountCaption();
}

}  // namespace cw::editor
