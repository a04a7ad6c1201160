#pragma once

class QWidget;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The editor's keys that work in either window while it is active: Ctrl+Z undoes the last change
// of the level, Ctrl+Shift+Z and Ctrl+Y redo it.
void InstallEditorShortcuts(QWidget& window, editor::Editor& editor);

}  // namespace cw::forms
