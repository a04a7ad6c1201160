#include "forms/floor_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "document/records.h"
#include "editor/editor.h"

namespace cw::forms {

QMenu* MakeFloorMenu(QWidget& parent, editor::Editor& editor) {
  auto* menu = new QMenu(&parent);
  menu->setObjectName(QStringLiteral("FloorMenu"));
  const auto add = [menu](const char* text, const QKeySequence& keys, auto command) {
    QAction* action = menu->addAction(QString::fromLatin1(text));
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, menu, command);
  };
  add("Fill", QKeySequence(Qt::CTRL | Qt::Key_F), [&editor] { editor.FillAtMarker(); });
  menu->addSeparator();
  add("Copy", QKeySequence(Qt::CTRL | Qt::Key_C), [&editor] { editor.CopySelection(); });
  add("Cut", QKeySequence(Qt::CTRL | Qt::Key_X), [&editor] { editor.CutSelection(); });
  add("Paste", QKeySequence(Qt::CTRL | Qt::Key_V), [&editor] { editor.PasteAtMarker(); });
  add("Delete", QKeySequence(Qt::Key_Delete), [&editor] { editor.DeleteSelection(); });
  menu->addSeparator();
  add("Turn", QKeySequence(Qt::Key_R), [&editor] { editor.TurnSelection(document::kRotate); });
  add("Mirror X", QKeySequence(Qt::Key_X), [&editor] { editor.TurnSelection(document::kFlipX); });
  add("Mirror Y", QKeySequence(Qt::Key_Y), [&editor] { editor.TurnSelection(document::kFlipY); });
  return menu;
}

}  // namespace cw::forms
