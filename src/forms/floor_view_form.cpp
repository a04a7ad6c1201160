#include "forms/floor_view_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/editor.h"

namespace cw::forms {

namespace {

// The window's place and inside size: left 340, top 108, 464 by 399 with its frame.
constexpr QPoint kPosition(340, 108);
constexpr QSize kInsideSize(456, 372);
constexpr int kLayoutCanvasSide = 1024;

// The floor canvas: every press, move and release goes to the editor in canvas pixels, whatever
// the scroll position. While a button is held the canvas keeps the mouse, so moves and the
// release arrive even outside it.
class FloorImage : public CanvasImage {
 public:
  FloorImage(editor::Editor& editor, QWidget* parent) : CanvasImage(parent), editor_(editor) {
    setMouseTracking(true);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { ForwardPress(event); }
  // A second press in quick succession is a press like any other.
  void mouseDoubleClickEvent(QMouseEvent* event) override { ForwardPress(event); }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    const auto modifiers = event->modifiers();
    editor_.RunHandler([&] { editor_.FloorMouseMove(modifiers, at.x(), at.y()); });
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    const auto button = event->button();
    const auto modifiers = event->modifiers();
    editor_.RunHandler([&] { editor_.FloorMouseUp(button, modifiers, at.x(), at.y()); });
  }

 private:
  void ForwardPress(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const auto button = event->button();
    const auto modifiers = event->modifiers();
    editor_.RunHandler([&] { editor_.FloorMouseDown(button, modifiers, at.x(), at.y()); });
  }

  editor::Editor& editor_;
};

}  // namespace

TForm2::TForm2(editor::Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setWindowTitle(QStringLiteral("  Floor 0"));
  move(kPosition);
  resize(kInsideSize);

  Image1 = new FloorImage(editor, this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(kLayoutCanvasSide, kLayoutCanvasSide);

  ScrollArea = new QScrollArea(this);
  ScrollArea->setWidgetResizable(false);
  ScrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollArea->setFrameShape(QFrame::NoFrame);
  ScrollArea->setWidget(Image1);
  ScrollArea->setFocusPolicy(Qt::StrongFocus);
  // The scroll area would take Page Up and Page Down for scrolling; they change the floor.
  ScrollArea->installEventFilter(this);
  ScrollArea->viewport()->installEventFilter(this);
  setFocusProxy(ScrollArea);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ScrollArea);
}

void TForm2::BringToFront() {
  show();
  raise();
  activateWindow();
}

void TForm2::ScrollToShow(int left, int top, int width, int height) {
  ScrollArea->ensureVisible(left + width / 2, top + height / 2, width / 2 + 48, height / 2 + 48);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  ForwardKey(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) {
      ForwardKey(key);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm2::ForwardKey(QKeyEvent* event) {
  const int key = event->key();
  const auto modifiers = event->modifiers();
  editor_.RunHandler([&] { editor_.FormKeyDown(key, modifiers); });
  event->accept();
}

}  // namespace cw::forms
