#pragma once

#include <QWidget>

#include "forms/canvas_image.h"

class QScrollArea;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The floor view: the main window, showing the floor canvas (Image1) in a scroll area. It only
// forwards the canvas's mouse events and the window's keys to the editor.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(editor::Editor& editor, QWidget* parent = nullptr);

  CanvasImage* Image1 = nullptr;
  QScrollArea* ScrollArea = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ForwardKey(QKeyEvent* event);

  editor::Editor& editor_;
};

}  // namespace cw::forms
