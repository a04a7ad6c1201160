#include "forms/start_up.h"

#include <QApplication>
#include <exception>

#include "editor/editor.h"
#include "forms/compile_loop_wiring.h"

namespace cw::forms {

std::optional<EditorWindows> OpenWindows(editor::Editor& editor) {
  EditorWindows windows;
  windows.floorView = std::make_unique<TForm2>(editor);
  windows.floorView->show();
  windows.toolBox = std::make_unique<TForm1>(editor, windows.floorView.get());
  windows.toolBox->show();
  windows.compileLog = std::make_unique<TCompileLog>(editor, windows.floorView.get());
  WireCompileLoop(editor, *windows.toolBox->Button6, *windows.floorView);
  try {
    editor.AttachWindows(*windows.floorView, *windows.toolBox);
    editor.ConstructToolBox();
  } catch (const std::exception& error) {
    editor.ReportError(QString::fromStdString(error.what()));
    return std::nullopt;
  }
  windows.about = std::make_unique<TForm3>();
  windows.about->show();
  return windows;
}

int RunProgram(editor::Editor& editor) {
  std::optional<EditorWindows> windows = OpenWindows(editor);
  if (!windows) return 0;
  QApplication::exec();
  return 0;
}

}  // namespace cw::forms
