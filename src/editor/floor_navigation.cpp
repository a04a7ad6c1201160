// Moving between floors: the floor selector's change and Page Up / Page Down on the floor view.
#include <QSignalBlocker>
#include <QSpinBox>

#include "editor/editor.h"
#include "editor/link_mode.h"
#include "editor/marker.h"
#include "forms/tool_box_form.h"

namespace cw::editor {

void Editor::UpDown1Click() {
  SetFloorCaption();
  RedrawFloor();
  if (LinkModeOn()) DrawFloorLinks();
  // The redraw wiped the band of a drag that goes on across floors; its next move or its release
  // inverts it again.
  if (LinkDragActive) InvertRubberBand(*this);
  ToggleMarker(FloorCanvas(), MarkerColumn, MarkerRow);
  SetLinkCountCaption();
}

void Editor::FormKeyDown(int key, Qt::KeyboardModifiers) {
  int step = 0;
  if (key == Qt::Key_PageUp) step = 1;
  if (key == Qt::Key_PageDown) step = -1;
  if (step == 0) return;
  {
    // The selector keeps itself within -8 to 7; the floor-change steps run here, once, also when
    // the position stays at a bound.
    const QSignalBlocker quiet(ToolBox().UpDown1);
    ToolBox().UpDown1->setValue(ToolBox().UpDown1->value() + step);
  }
  UpDown1Click();
}

}  // namespace cw::editor
