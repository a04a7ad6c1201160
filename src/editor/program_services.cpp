#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "compiler/post_build.h"
#include "editor/editor_services.h"

namespace cw::editor {

namespace {

std::optional<QString> ChooseFileWithDialog(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString(), request.initialFolder,
                     request.filter);
  const bool opening = request.kind == FileDialogRequest::Kind::kOpen;
  dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  // The open dialog also takes a name that does not exist: it starts a new level.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(request.proposedName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

void ShowErrorBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

}  // namespace

EditorServices ProgramServices() {
  return {ChooseFileWithDialog, ShowErrorBox,
          [](const std::string& mapPath) { return compiler::RunPostBuild(mapPath); }};
}

}  // namespace cw::editor
