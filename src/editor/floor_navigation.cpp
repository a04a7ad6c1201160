// Moving between floors: the floor selector's change and Page Up / Page Down on the floor view.
#include "editor/editor.h"

namespace cw::editor {

void Editor::UpDown1Click() {
  SetFloorCaption();
  RedrawFloor();
  if (LinkModeOn()) DrawFloorLinks();
  DrawLeakOverlay();
  // The redraw wiped the band of a drag that goes on across floors; its next move or its release
  // inverts it again.
  if (state_.drag.LinkDragActive) InvertRubberBand();
  ToggleMarkerOnFloor();
  SetLinkCountCaption();
}

void Editor::FormKeyDown(int key, Qt::KeyboardModifiers) {
  int step = 0;
  if (key == Qt::Key_PageUp) step = 1;
  if (key == Qt::Key_PageDown) step = -1;
  if (step == 0) return;
  // The selector keeps itself within -8 to 7; the floor-change steps run here, once, also when
  // the position stays at a bound.
  toolBox_->SetFloorSelectorPosition(toolBox_->FloorSelectorPosition() + step);
  UpDown1Click();
}

}  // namespace cw::editor
