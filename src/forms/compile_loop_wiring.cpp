#include "forms/compile_loop_wiring.h"

#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "editor/editor.h"

namespace cw::forms {

void WireCompileLoop(editor::Editor& editor, QWidget& toolBox, QPushButton& buildButton,
                     QWidget& floorView) {
  auto check = [&editor] { editor.RunHandler([&] { editor.CheckClick(); }); };
  auto showLog = [&editor] { editor.RunHandler([&] { editor.ShowCompileLog(); }); };
  for (QWidget* window : {&toolBox, &floorView}) {
    auto* checkKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), window);
    checkKey->setObjectName(QStringLiteral("CheckShortcut"));
    QObject::connect(checkKey, &QShortcut::activated, window, check);
    auto* logKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), window);
    logKey->setObjectName(QStringLiteral("LogShortcut"));
    QObject::connect(logKey, &QShortcut::activated, window, showLog);
  }
  auto* menu = new QMenu(&buildButton);
  menu->setObjectName(QStringLiteral("BuildMenu"));
  QAction* checkAction = menu->addAction(QStringLiteral("Check"));
  checkAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  QObject::connect(checkAction, &QAction::triggered, menu, check);
  QAction* logAction = menu->addAction(QStringLiteral("Compile log"));
  logAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  QObject::connect(logAction, &QAction::triggered, menu, showLog);
  buildButton.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&buildButton, &QWidget::customContextMenuRequested, menu,
                   [menu, &buildButton](const QPoint& at) {
                     menu->popup(buildButton.mapToGlobal(at));
                   });
}

}  // namespace cw::forms
