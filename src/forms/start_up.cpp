#include "forms/start_up.h"

#include <QApplication>
#include <QShortcut>
#include <QTimer>

#include "editor/editor.h"
#include "forms/compile_loop_wiring.h"
#include "forms/view3d_window.h"

namespace cw::forms {

std::optional<EditorWindows> OpenWindows(editor::Editor& editor) {
  EditorWindows windows;
  windows.floorView = std::make_unique<TForm2>(editor);
  windows.floorView->show();
  windows.toolBox = std::make_unique<TForm1>(editor, windows.floorView.get());
  windows.toolBox->show();
  // Closing the tool box only hides it; F2 in the floor view brings it back.
  auto* showToolBox = new QShortcut(QKeySequence(Qt::Key_F2), windows.floorView.get());
  showToolBox->setContext(Qt::WindowShortcut);
  QObject::connect(showToolBox, &QShortcut::activated, windows.toolBox.get(),
                   [toolBox = windows.toolBox.get()] {
                     toolBox->show();
                     toolBox->raise();
                     toolBox->activateWindow();
                   });
  windows.compileLog = std::make_unique<TCompileLog>(editor, windows.floorView.get());
  WireCompileLoop(editor, *windows.toolBox->Button6, *windows.floorView);
  WireView3D(editor, *windows.toolBox->Button6, *windows.floorView);
  windows.families = std::make_unique<TFamilies>(editor, windows.floorView.get());
  // F4 shows the families list from any window of the program.
  auto* showFamilies = new QShortcut(QKeySequence(Qt::Key_F4), windows.floorView.get());
  showFamilies->setObjectName(QStringLiteral("FamiliesShortcut"));
  showFamilies->setContext(Qt::ApplicationShortcut);
  QObject::connect(showFamilies, &QShortcut::activated, windows.families.get(),
                   &TFamilies::ShowInFront);
  if (!editor.Start()) return std::nullopt;
  windows.about = std::make_unique<TForm3>();
  windows.about->show();
  return windows;
}

int RunProgram(editor::Editor& editor) {
  std::optional<EditorWindows> windows = OpenWindows(editor);
  if (!windows) return 0;
  // Once the windows are up and shown: a level that a run without a clean end left behind.
  QTimer::singleShot(0, windows->floorView.get(), [&editor] { editor.OfferRecovery(); });
  QApplication::exec();
  return 0;
}

}  // namespace cw::forms
