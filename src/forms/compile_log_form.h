#pragma once

#include <QWidget>
#include <cstddef>
#include <cstdint>

#include "editor/compile_log.h"
#include "editor/editor_view.h"

class QListWidget;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The compile log: a tool window of the floor view with the log of the last Build or Check, one
// line per row. A click on a line that names a cell shows that cell on its floor. Its own Check
// and Build buttons run the tool box's commands.
class TCompileLog : public QWidget, public editor::EditorView {
  Q_OBJECT

 public:
  TCompileLog(editor::Editor& editor, QWidget* floorView);
  ~TCompileLog() override;

  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;

  QListWidget* Lines = nullptr;
  QPushButton* CheckButton = nullptr;
  QPushButton* BuildButton = nullptr;
  QPushButton* StopButton = nullptr;  // ends the batch being watched and the tools it started

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowLines(const editor::CompileLog& log);
  // The first time it opens: below the windows of its parent and the tool box, where they do
  // not cover it.
  void PlaceBelowTheOtherWindows();

  editor::Editor& editor_;
  std::uint64_t generation_ = 0;
  std::size_t shown_ = 0;
  bool placed_ = false;
};

}  // namespace cw::forms
