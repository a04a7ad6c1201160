// Moving between floors: the floor selector's change and Page Up / Page Down on the floor view.
#include "document/records.h"
#include "editor/editor.h"

namespace cw::editor {

void Editor::UpDown1Click() {
  SetFloorCaption();
  // The redraw wipes the band of a drag that goes on across floors; the composer puts it back, so
  // that its next move or its release inverts it again.
  ComposeFloor(BlockLayer::kRedraw);
  SetLinkCountCaption();
}

void Editor::GoToCell(const document::Cell& cell) {
  // The marker is drawn anew by the floor change, at its new cell.
  state_.MarkerColumn = cell.column;
  state_.MarkerRow = cell.row;
  MoveFloorSelector(cell.floor);
  UpDown1Click();
  pending_.reveal = QRect(document::kCellSize * cell.column, document::kCellSize * cell.row,
                          document::kCellSize, document::kCellSize);
}

void Editor::FormKeyDown(int key) {
  int step = 0;
  if (key == Qt::Key_PageUp) step = 1;
  if (key == Qt::Key_PageDown) step = -1;
  if (step == 0) return;
  // The selector keeps itself within -8 to 7; the floor-change steps run here, once, also when
  // the position stays at a bound.
  MoveFloorSelector(state_.floor + step);
  UpDown1Click();
}

}  // namespace cw::editor
