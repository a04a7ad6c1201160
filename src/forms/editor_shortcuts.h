#pragma once

class QWidget;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The editor's keys: Ctrl+Z undoes the last change of the level, Ctrl+Shift+Z and Ctrl+Y redo it;
// Ctrl+O loads, Ctrl+S saves, Ctrl+B builds; Ctrl+C copies the selected region, Ctrl+X cuts it,
// Ctrl+V pastes at the marker, Ctrl+F fills around the marker. Installed on the floor view, they
// work while it or its tool box (a window of its own, but the floor view's child) is active;
// installed on both, each key would be claimed twice and do nothing.
void InstallEditorShortcuts(QWidget& floorView, editor::Editor& editor);

}  // namespace cw::forms
