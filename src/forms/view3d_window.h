#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

class View3DWidget;

// The window "3D View": a tool window of the floor view that shows the level in 3D, with the
// cut-away box under it. Its place and size are kept per user (in the user's own settings of the
// program, never in the working folder) from one run to the next.
class View3DWindow : public QWidget {
  Q_OBJECT

 public:
  View3DWindow(editor::Editor& editor, QWidget* floorView);
  ~View3DWindow() override;

  View3DWidget* View = nullptr;
  QCheckBox* CutAway = nullptr;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void KeepPlace();
};

// Shows the 3D view in front, made the first time it is asked for.
View3DWindow& ShowView3D(editor::Editor& editor, QWidget& floorView);

// F3 in every window of the program and "3D view" in the Build button's context menu (made by
// WireCompileLoop before) show the 3D view.
void WireView3D(editor::Editor& editor, QPushButton& buildButton, QWidget& floorView);

}  // namespace cw::forms
