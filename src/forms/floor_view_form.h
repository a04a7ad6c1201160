#pragma once

#include <QWidget>
#include <optional>

#include "editor/editor_view.h"
#include "forms/canvas_image.h"

class QLabel;
class QScrollArea;

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The floor view: the main window, showing the editor's floor canvas (Image1) in a scroll area,
// its caption as the title. It forwards the canvas's mouse events, the window's keys and the zoom
// to the editor.
class TForm2 : public QWidget, public editor::EditorView {
  Q_OBJECT

 public:
  explicit TForm2(editor::Editor& editor, QWidget* parent = nullptr);
  ~TForm2() override;

  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;

  CanvasImage* Image1 = nullptr;
  QScrollArea* ScrollArea = nullptr;
  QLabel* StatusLine = nullptr;  // the floor, cell and block under the mouse

  // The zoom of the floor canvas, 1 to 4 times; the canvas point under the anchor (a point of
  // the scroll area's viewport) stays where it is. It lasts until the program ends.
  void SetZoom(int factor, QPoint viewportAnchor);
  void ZoomBy(int steps);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Closing the floor view ends the program, once unsaved changes were saved or let go.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ForwardKey(QKeyEvent* event);
  void ShowZoom(int factor);
  void ScrollToShow(const QRect& canvasArea);
  // The status line for a canvas pixel under the mouse, or empty for none.
  void ShowStatus(std::optional<QPoint> at);

  editor::Editor& editor_;
  QPoint zoomAnchor_;  // where the next zoom keeps its canvas point
};

}  // namespace cw::forms
