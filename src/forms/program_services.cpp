#include "forms/program_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

#include "compiler/post_build.h"

namespace cw::forms {

namespace {

std::optional<QString> ChooseFileWithDialog(const editor::FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString(), request.initialFolder,
                     request.filter);
  const bool opening = request.kind == editor::FileDialogRequest::Kind::kOpen;
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

void WarnOnStandardError(const std::string& message) {
  std::fprintf(stderr, "cryptwright: %s\n", message.c_str());
}

}  // namespace

editor::EditorServices ProgramServices() {
  return {ChooseFileWithDialog, ShowErrorBox, compiler::RunPostBuild, WarnOnStandardError,
          compiler::StartWatchedPostBuild};
}

}  // namespace cw::forms
