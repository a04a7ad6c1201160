#pragma once

#include <QRect>
#include <optional>

namespace cw::editor {

class Editor;

// What changed in one event, as the windows need to know it: they show the editor's state
// again, repaint what was drawn on, and do what the editor asked of them.
struct ViewUpdate {
  bool canvasChanged = false;   // the floor canvas was drawn on or replaced
  bool previewChanged = false;  // the preview was drawn on
  bool logChanged = false;      // the compile log has new lines, or started anew
  // Requests to the windows.
  bool raiseFloorView = false;  // show the floor view in front with the focus
  bool showLog = false;         // open the compile log window
  std::optional<QRect> reveal;  // scroll the floor view so that these canvas pixels show
};

// A window that shows the editor. It is told at the end of every event that reached the editor,
// and before an error is shown, so that what the event did so far is on the screen.
class EditorView {
 public:
  virtual ~EditorView() = default;
  virtual void EditorChanged(const Editor& editor, const ViewUpdate& update) = 0;
};

}  // namespace cw::editor
