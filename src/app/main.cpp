// The editor program: no command-line arguments of its own; it works in the current directory.
#include <QApplication>

#include "editor/editor.h"
#include "forms/program_services.h"
#include "forms/start_up.h"

int main(int argc, char* argv[]) {
  // The name first: the per-user folder of the recovery files is named after it.
  QApplication::setApplicationName(QStringLiteral("Cryptwright"));
  // The level and the editor state exist before the application and any window.
  cw::editor::Editor editor(cw::forms::ProgramServices());
  QApplication application(argc, argv);
  return cw::forms::RunProgram(editor);
}
