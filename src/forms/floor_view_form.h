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

  // The zoom of the floor canvas, 1 to 4 times; the canvas point under the anchor (a point of
  // the scroll area's viewport) stays where it is. It lasts until the program ends.
  static constexpr int kMaxZoom = 4;
  void SetZoom(int factor, QPoint viewportAnchor);
  void ZoomBy(int steps);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Closing the floor view ends the program, once unsaved changes were saved or let go.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ForwardKey(QKeyEvent* event);

  editor::Editor& editor_;
};

}  // namespace cw::forms
