#include "forms/editor_shortcuts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "editor/editor.h"

namespace cw::forms {

namespace {

void Bind(QWidget& window, const QKeySequence& keys, editor::Editor& editor,
          void (editor::Editor::*command)()) {
  auto* shortcut = new QShortcut(keys, &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window,
                   [&editor, command] { (editor.*command)(); });
}

}  // namespace

void InstallEditorShortcuts(QWidget& window, editor::Editor& editor) {
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_Z), editor, &editor::Editor::Undo);
  Bind(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), editor, &editor::Editor::Redo);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_Y), editor, &editor::Editor::Redo);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_N), editor, &editor::Editor::ClickNew);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_O), editor, &editor::Editor::ClickLoad);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_S), editor, &editor::Editor::ClickSave);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_B), editor, &editor::Editor::ClickBuild);
  // The selected region and the fill.
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_C), editor, &editor::Editor::CopySelection);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_X), editor, &editor::Editor::CutSelection);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_V), editor, &editor::Editor::PasteAtMarker);
  Bind(window, QKeySequence(Qt::CTRL | Qt::Key_F), editor, &editor::Editor::FillAtMarker);
}

}  // namespace cw::forms
