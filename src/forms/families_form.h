#pragma once

#include <QWidget>

#include "editor/editor_view.h"
#include "editor/family_set.h"

class QLabel;
class QListWidget;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The families list: a tool window of the floor view, apart from the tool box's fixed palette,
// with one row per family of the kit's families file. Choosing a row has the left button paint
// that family; choosing a palette item goes back to plain blocks, and the row is no longer chosen.
class TFamilies : public QWidget, public editor::EditorView {
  Q_OBJECT

 public:
  TFamilies(editor::Editor& editor, QWidget* floorView);
  ~TFamilies() override;

  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;

  // Shows the window in front, as F4 does.
  void ShowInFront();

  QListWidget* List = nullptr;
  QLabel* Hint = nullptr;

 private:
  void ShowFamilies(const editor::FamilySet& families);

  editor::Editor& editor_;
};

}  // namespace cw::forms
