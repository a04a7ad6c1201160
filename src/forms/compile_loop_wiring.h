#pragma once

class QWidget;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The compile loop's ways in, beside the fixed layout of the tool box: the Build button's
// context menu ("Check", "Compile log"), and Ctrl+K (Check) and Ctrl+L (the log) in both the
// tool box and the floor view.
void WireCompileLoop(editor::Editor& editor, QWidget& toolBox, QPushButton& buildButton,
                     QWidget& floorView);

}  // namespace cw::forms
