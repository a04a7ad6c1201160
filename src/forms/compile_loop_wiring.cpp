#include "forms/compile_loop_wiring.h"

#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "editor/editor.h"

namespace cw::forms {

void WireCompileLoop(editor::Editor& editor, QPushButton& buildButton, QWidget& floorView) {
  auto check = [&editor] { editor.ClickCheck(); };
  auto showLog = [&editor] { editor.ShowCompileLog(); };
  // One shortcut of each for the whole program: it works in the tool box, the floor view and the
  // log window alike (one per window would make the keys ambiguous between them).
  auto* checkKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), &floorView);
  checkKey->setObjectName(QStringLiteral("CheckShortcut"));
  checkKey->setContext(Qt::ApplicationShortcut);
  QObject::connect(checkKey, &QShortcut::activated, &floorView, check);
  auto* logKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), &floorView);
  logKey->setObjectName(QStringLiteral("LogShortcut"));
  logKey->setContext(Qt::ApplicationShortcut);
  QObject::connect(logKey, &QShortcut::activated, &floorView, showLog);
  auto* menu = new QMenu(&buildButton);
  menu->setObjectName(QStringLiteral("BuildMenu"));
  QAction* checkAction = menu->addAction(QStringLiteral("Check"));
  checkAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  QObject::connect(checkAction, &QAction::triggered, menu, check);
  QAction* logAction = menu->addAction(QStringLiteral("Compile log"));
  logAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  QObject::connect(logAction, &QAction::triggered, menu, showLog);
  buildButton.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(
      &buildButton, &QWidget::customContextMenuRequested, menu,
      [menu, &buildButton](const QPoint& at) { menu->popup(buildButton.mapToGlobal(at)); });
}

}  // namespace cw::forms
