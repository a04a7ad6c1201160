#pragma once

#include <QWidget>

#include "editor/editor_windows.h"
#include "forms/canvas_image.h"

class QScrollArea;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The floor view: the main window, showing the floor canvas (Image1) in a scroll area. It only
// forwards the canvas's mouse events and the window's keys to the editor.
class TForm2 : public QWidget, public editor::FloorViewWindow {
  Q_OBJECT

 public:
  explicit TForm2(editor::Editor& editor, QWidget* parent = nullptr);

  // What the editor reads and sets.
  QImage& FloorCanvas() override { return Image1->Canvas(); }
  void SetFloorCanvasSize(int width, int height) override { Image1->SetSurfaceSize(width, height); }
  void FloorCanvasChanged() override { Image1->CanvasChanged(); }
  QFont FloorCanvasFont() const override { return Image1->font(); }
  void SetFloorCaption(const QString& caption) override { setWindowTitle(caption); }
  void BringToFront() override;
  void ScrollToShow(int left, int top, int width, int height) override;

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
