// Mouse editing, the link overlay and floor changes are wired to these entry points by the floor
// view and the tool box. Until their own files provide them, they do nothing: a press, a move, a
// release, a key, a floor change or a switch of link mode leaves the level and the canvas as they
// are. Each definition here goes away when its real one lands.
#include "editor/editor.h"

namespace cw::editor {

void Editor::FloorMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void Editor::FloorMouseMove(Qt::KeyboardModifiers, int, int) {}
void Editor::FloorMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void Editor::FormKeyDown(int, Qt::KeyboardModifiers) {}
void Editor::UpDown1Click() {}
void Editor::LinksClick() {}
void Editor::DrawFloorLinks() {}

}  // namespace cw::editor
