#pragma once

#include <memory>
#include <optional>

#include "forms/about_form.h"
#include "forms/compile_log_form.h"
#include "forms/families_form.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The three windows of the program. The tool box is a child window of the floor view.
struct EditorWindows {
  std::unique_ptr<TForm2> floorView;
  std::unique_ptr<TForm1> toolBox;
  std::unique_ptr<TForm3> about;
  std::unique_ptr<TCompileLog> compileLog;  // opened by Build and Check, and by Ctrl+L
  std::unique_ptr<TFamilies> families;      // opened by F4
};

// Opens the windows in their order: the floor view (the main window), the tool box with its
// construction, then the About box. If the construction fails (no usable "Empty.bmp"), the error
// is reported once, no About box is made and nothing is returned. Needs a QApplication.
std::optional<EditorWindows> OpenWindows(editor::Editor& editor);

// Opens the windows and runs the event loop until the floor view is closed. The result is always
// 0, also when start-up failed.
int RunProgram(editor::Editor& editor);

}  // namespace cw::forms
