#pragma once

#include "editor/editor.h"

namespace cw::editor {

// The tests' way into the editor's state, to set up a level or a marker directly.
struct EditorTestAccess {
  static EditorState& State(Editor& editor) { return editor.state_; }
};

}  // namespace cw::editor
