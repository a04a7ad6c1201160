#include "forms/view3d_window.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include "forms/view3d_widget.h"

namespace cw::forms {
namespace {

constexpr QSize kView3DSize(800, 600);
const QKeySequence kShowKey(Qt::Key_F3);

// The user's own settings of the program (on Linux ~/.config/Cryptwright/Cryptwright.conf).
QSettings UserSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Cryptwright"),
                   QStringLiteral("Cryptwright"));
}

const QString kPlaceKey = QStringLiteral("View3D/geometry");

}  // namespace

View3DWindow::View3DWindow(editor::Editor& editor, QWidget* floorView)
    : QWidget(floorView, Qt::Tool) {
  setObjectName(QStringLiteral("View3D"));
  setWindowTitle(QStringLiteral("3D View"));
  View = new View3DWidget(editor, this);
  View->setObjectName(QStringLiteral("View"));
  CutAway = new QCheckBox(QStringLiteral("Cut away the floors above"), this);
  CutAway->setObjectName(QStringLiteral("CutAway"));
  CutAway->setChecked(View->CutAway());
  CutAway->setFocusPolicy(Qt::NoFocus);
  auto* keys = new QLabel(
      QStringLiteral("Orbit: left drag   Pan: middle   Zoom: wheel   Fly: right + WASDQE   "
                     "Home: all"),
      this);
  keys->setEnabled(false);
  keys->setToolTip(QStringLiteral("A double-click on a face shows its cell in the floor view"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(CutAway);
  bottom->addStretch();
  bottom->addWidget(keys);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->addWidget(View, 1);
  layout->addLayout(bottom);
  connect(CutAway, &QCheckBox::toggled, View, &View3DWidget::SetCutAway);

  resize(kView3DSize);
  const QByteArray place = UserSettings().value(kPlaceKey).toByteArray();
  if (!place.isEmpty()) restoreGeometry(place);
}

View3DWindow::~View3DWindow() {
  if (isVisible()) KeepPlace();
}

void View3DWindow::hideEvent(QHideEvent* event) {
  KeepPlace();
  QWidget::hideEvent(event);
}

void View3DWindow::KeepPlace() {
  UserSettings().setValue(kPlaceKey, saveGeometry());
}

View3DWindow& ShowView3D(editor::Editor& editor, QWidget& floorView) {
  auto* window = floorView.findChild<View3DWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window == nullptr) window = new View3DWindow(editor, &floorView);
  window->show();
  window->raise();
  window->activateWindow();
  window->View->setFocus();
  return *window;
}

void WireView3D(editor::Editor& editor, QPushButton& buildButton, QWidget& floorView) {
  auto show = [&editor, &floorView] { ShowView3D(editor, floorView); };
  auto* key = new QShortcut(kShowKey, &floorView);
  key->setObjectName(QStringLiteral("View3DShortcut"));
  key->setContext(Qt::ApplicationShortcut);
  QObject::connect(key, &QShortcut::activated, &floorView, show);
  if (auto* menu = buildButton.findChild<QMenu*>(QStringLiteral("BuildMenu"))) {
    QAction* action = menu->addAction(QStringLiteral("3D view"));
    action->setShortcut(kShowKey);
    QObject::connect(action, &QAction::triggered, menu, show);
  }
}

}  // namespace cw::forms
