#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "editor/editor_state.h"
#include "editor/editor_view.h"
#include "forms/canvas_image.h"
#include "forms/up_down_control.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The tool box: a tool window that stays on top of the floor view, with the commands, the block
// palette, the orientation boxes, the preview, the floor selector and the link mode box. Every
// control sits at its layout position, shows the editor's state and forwards the user's actions
// to the editor.
class TForm1 : public QWidget, public editor::EditorView {
  Q_OBJECT

 public:
  TForm1(editor::Editor& editor, QWidget* floorView);
  ~TForm1() override;

  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;

  QPushButton* Button4 = nullptr;   // "Load"
  QPushButton* Button5 = nullptr;   // "Save"
  QPushButton* Button6 = nullptr;   // "Build"
  QCheckBox* Links = nullptr;       // link mode; its caption shows the link counts
  QListWidget* ListBox1 = nullptr;  // the block palette
  QLabel* Label1 = nullptr;         // the chosen block's name
  QFrame* Panel1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;     // "X  Flip"
  QCheckBox* CheckBox2 = nullptr;     // "Y  Flip"
  QCheckBox* CheckBox3 = nullptr;     // "Rotate"
  CanvasImage* Image1 = nullptr;      // the preview, 32 by 32
  QLabel* RecoveryWarning = nullptr;  // under the preview: what the user is told without a box
  UpDownControl* UpDown1 = nullptr;   // the floor selector, -8 to 7

 private:
  void ConnectEvents();
  void ShowPalette(const std::vector<std::string>& items);
  void ShowNotices(const std::vector<editor::EditorState::Notice>& notices);

  editor::Editor& editor_;
  std::vector<editor::EditorState::Notice> shownNotices_;
};

}  // namespace cw::forms
