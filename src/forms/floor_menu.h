#pragma once

class QMenu;
class QWidget;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The floor view's menu, opened by Ctrl + right click on the floor or the menu key: Fill, then
// the selected region's commands, each with its key.
QMenu* MakeFloorMenu(QWidget& parent, editor::Editor& editor);

}  // namespace cw::forms
