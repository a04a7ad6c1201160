#pragma once

class QWidget;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The compile loop's ways in, beside the fixed layout of the tool box: the Build button's
// context menu ("Check", "Compile log"), and Ctrl+K (Check) and Ctrl+L (the log) in every
// window of the program.
void WireCompileLoop(editor::Editor& editor, QPushButton& buildButton, QWidget& floorView);

}  // namespace cw::forms
