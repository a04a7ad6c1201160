#include "forms/floor_view_form.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>
#include <optional>

#include "document/level_edit.h"
#include "document/records.h"
#include "editor/editor.h"
#include "editor/palette.h"
#include "forms/editor_shortcuts.h"
#include "forms/floor_menu.h"
#include "forms/selection_outline.h"

namespace cw::forms {

namespace {

// The window's place and inside size: left 340, top 108, 464 by 399 with its frame.
constexpr QPoint kFloorViewPosition(340, 108);
constexpr QSize kFloorViewInsideSize(456, 372);

// The floor canvas: every press, move and release goes to the editor in canvas pixels, whatever
// the scroll position and the zoom. While a button is held the canvas keeps the mouse, so moves
// and the release arrive even outside it.
class FloorImage : public CanvasImage {
 public:
  // `hover` hears of every canvas pixel the mouse is over, and of none when it leaves.
  FloorImage(editor::Editor& editor, QWidget* parent,
             std::function<void(std::optional<QPoint>)> hover)
      : CanvasImage(parent),
        editor_(editor),
        hover_(std::move(hover)),
        menu_(MakeFloorMenu(*this, editor)) {
    setMouseTracking(true);
  }

  // The selected cells, outlined over the canvas (above the marker) by this control alone.
  void ShowSelection(const std::optional<editor::Region>& selection) {
    if (selection == selection_) return;
    selection_ = selection;
    update();
  }

  // The floor view's menu at a point of this control; the marker goes to the cell under it.
  void OpenMenu(QPoint at) {
    const QPoint canvasPoint = SurfacePoint(at);
    editor_.MoveMarker(canvasPoint.x(), canvasPoint.y());
    menu_->popup(mapToGlobal(at));
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    // Ctrl + right click opens the menu instead of picking.
    if (event->button() == Qt::RightButton && (event->modifiers() & Qt::ControlModifier)) {
      OpenMenu(event->position().toPoint());
      return;
    }
    ForwardPress(event);
  }
  void paintEvent(QPaintEvent* event) override {
    CanvasImage::paintEvent(event);
    if (!selection_) return;
    QPainter painter(this);
    DrawSelectionOutline(painter, *selection_, Zoom());
  }
  // A second press in quick succession is a press like any other.
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint at = SurfacePoint(event->position().toPoint());
    editor_.MoveOnFloor(event->modifiers(), at.x(), at.y());
    hover_(rect().contains(event->position().toPoint()) ? std::optional<QPoint>(at) : std::nullopt);
  }
  void leaveEvent(QEvent* event) override {
    hover_(std::nullopt);
    CanvasImage::leaveEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint at = SurfacePoint(event->position().toPoint());
    editor_.ReleaseFloor(event->button(), event->modifiers(), at.x(), at.y());
  }

 private:
  void ForwardPress(QMouseEvent* event) {
    const QPoint at = SurfacePoint(event->position().toPoint());
    editor_.PressFloor(event->button(), event->modifiers(), at.x(), at.y());
  }

  editor::Editor& editor_;
  std::function<void(std::optional<QPoint>)> hover_;
  QMenu* menu_;
  std::optional<editor::Region> selection_;
};

}  // namespace

TForm2::TForm2(editor::Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  move(kFloorViewPosition);
  resize(kFloorViewInsideSize);

  Image1 = new FloorImage(editor, this, [this](std::optional<QPoint> at) { ShowStatus(at); });
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->ShowImage(editor.State().FloorCanvas);

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
  InstallEditorShortcuts(*this, editor);
  // The zoom, for screens of many pixels: Ctrl++, Ctrl+-, Ctrl+0 and Ctrl with the wheel.
  const auto bind = [this](QKeySequence keys, auto zoom) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, zoom);
  };
  bind(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { ZoomBy(1); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomBy(1); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ZoomBy(-1); });
  bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { ZoomBy(1 - Image1->Zoom()); });

  // Under the canvas: the floor, cell and block under the mouse.
  StatusLine = new QLabel(this);
  StatusLine->setObjectName(QStringLiteral("StatusLine"));
  StatusLine->setContentsMargins(4, 1, 4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ScrollArea);
  layout->addWidget(StatusLine);

  // The floor numbers of the link overlay are written in the canvas's own font.
  editor.SetCanvasFont(Image1->font());
  editor.AddView(*this);
  setWindowTitle(editor.State().floorCaption);
}

TForm2::~TForm2() {
  editor_.RemoveView(*this);
}

void TForm2::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) {
  const editor::EditorState& state = editor.State();
  if (windowTitle() != state.floorCaption) setWindowTitle(state.floorCaption);
  if (Image1->Zoom() != state.zoom) ShowZoom(state.zoom);
  if (update.canvasChanged) Image1->ImageChanged();
  static_cast<FloorImage*>(Image1)->ShowSelection(state.painting.SelectionOn(state.floor));
  if (update.raiseFloorView) {
    show();
    raise();
    activateWindow();
  }
  if (update.reveal) ScrollToShow(*update.reveal);
}

void TForm2::closeEvent(QCloseEvent* event) {
  if (editor_.ConfirmEnd()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TForm2::ScrollToShow(const QRect& area) {
  // The area is in canvas pixels; the scroll area's are the zoomed ones.
  const int zoom = Image1->Zoom();
  ScrollArea->ensureVisible((area.left() + area.width() / 2) * zoom,
                            (area.top() + area.height() / 2) * zoom, (area.width() / 2 + 48) * zoom,
                            (area.height() / 2 + 48) * zoom);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  ForwardKey(event);
}

void TForm2::SetZoom(int factor, QPoint viewportAnchor) {
  zoomAnchor_ = viewportAnchor;
  editor_.SetZoom(factor);
}

void TForm2::ShowZoom(int factor) {
  // The canvas point under the anchor stays under it.
  const int old = Image1->Zoom();
  QScrollBar* horizontal = ScrollArea->horizontalScrollBar();
  QScrollBar* vertical = ScrollArea->verticalScrollBar();
  const QPointF canvasPoint =
      QPointF(horizontal->value() + zoomAnchor_.x(), vertical->value() + zoomAnchor_.y()) / old;
  Image1->SetZoom(factor);
  horizontal->setValue(static_cast<int>(canvasPoint.x() * factor) - zoomAnchor_.x());
  vertical->setValue(static_cast<int>(canvasPoint.y() * factor) - zoomAnchor_.y());
}

void TForm2::ZoomBy(int steps) {
  // About the mouse when it is over the floor, else about the marker when it shows, else about
  // the middle: the cells being worked on stay in view.
  const QWidget* viewport = ScrollArea->viewport();
  QPoint anchor = viewport->mapFromGlobal(QCursor::pos());
  if (!viewport->rect().contains(anchor)) {
    const editor::EditorState& state = editor_.State();
    const int zoom = Image1->Zoom();
    anchor = QPoint((state.MarkerColumn * document::kCellSize + document::kCellSize / 2) * zoom,
                    (state.MarkerRow * document::kCellSize + document::kCellSize / 2) * zoom) -
             QPoint(ScrollArea->horizontalScrollBar()->value(),
                    ScrollArea->verticalScrollBar()->value());
    if (!viewport->rect().contains(anchor)) anchor = viewport->rect().center();
  }
  SetZoom(Image1->Zoom() + steps, anchor);
}

void TForm2::ShowStatus(std::optional<QPoint> at) {
  if (!at) {
    StatusLine->clear();
    return;
  }
  const document::Cell cell{editor_.State().floor, at->x() / document::kCellSize,
                            at->y() / document::kCellSize};
  QString text =
      QStringLiteral("Floor %1, cell %2 %3").arg(cell.floor).arg(cell.column).arg(cell.row);
  if (const std::optional<document::BlockRecord> block =
          document::FindBlockAt(editor_.Level(), cell)) {
    text += QStringLiteral(": ") + editor::DisplayName(block->name);
  }
  StatusLine->setText(text);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && watched == ScrollArea->viewport()) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      const int delta = wheel->angleDelta().y();
      if (delta != 0) {
        SetZoom(Image1->Zoom() + (delta > 0 ? 1 : -1), wheel->position().toPoint());
      }
      return true;
    }
  }
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
  // The menu key opens the floor view's menu on the marker's cell.
  if (event->key() == Qt::Key_Menu) {
    const editor::EditorState& state = editor_.State();
    const int centre = (document::kCellSize / 2) * Image1->Zoom();
    static_cast<FloorImage*>(Image1)->OpenMenu(
        QPoint(state.MarkerColumn * document::kCellSize * Image1->Zoom() + centre,
               state.MarkerRow * document::kCellSize * Image1->Zoom() + centre));
    event->accept();
    return;
  }
  editor_.PressFloorKey(event->key(), event->modifiers());
  event->accept();
}

}  // namespace cw::forms
