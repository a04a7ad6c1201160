#include "forms/program_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
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

editor::SaveAnswer AskToSave(const QString& documentName) {
  QMessageBox box(
      QMessageBox::Warning, QApplication::applicationName(),
      QStringLiteral("The level \"%1\" has changes that were not saved.").arg(documentName),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
  box.setInformativeText(QStringLiteral("Save them first?"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return editor::SaveAnswer::kSave;
    case QMessageBox::Discard:
      return editor::SaveAnswer::kDiscard;
    default:
      return editor::SaveAnswer::kCancel;
  }
}

editor::RestoreAnswer AskToRestore(const QString& documentName, const QDateTime& lastChanged) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                  QStringLiteral("The editor last working in this folder did not end cleanly. "
                                 "It left the level \"%1\", as it was at %2.")
                      .arg(documentName, lastChanged.toString(Qt::ISODate)),
                  QMessageBox::NoButton, QApplication::activeWindow());
  QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
  box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.exec();
  return box.clickedButton() == restore ? editor::RestoreAnswer::kRestore
                                        : editor::RestoreAnswer::kDiscard;
}

void RunWhenTheEventIsOver(std::function<void()> work) {
  QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

QString RecoveryFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

}  // namespace

editor::EditorServices ProgramServices() {
  return {ChooseFileWithDialog,  ShowErrorBox,    compiler::RunPostBuild,
          WarnOnStandardError,   AskToSave,       AskToRestore,
          RunWhenTheEventIsOver, RecoveryFolder()};
}

}  // namespace cw::forms
