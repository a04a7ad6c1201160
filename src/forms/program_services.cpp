#include "forms/program_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <vector>

#include "compiler/post_build.h"
#include "editor/readable_time.h"
#include "forms/floor_view_form.h"

namespace cw::forms {

namespace {

// The floor view, over which the program's dialogs open.
QWidget* FloorView() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<TForm2*>(window) != nullptr && window->isVisible()) return window;
  }
  return QApplication::activeWindow();
}

std::optional<QString> ChooseFileWithDialog(const editor::FileDialogRequest& request) {
  QWidget* floorView = FloorView();
  QFileDialog dialog(floorView, QString(), request.initialFolder, request.filter);
  // Wide enough for whole names and dates, centred on the floor view, and above the tool box,
  // which stays on top of the other windows.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(760, 460);
  if (auto* files = dialog.findChild<QTreeView*>()) {
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
      header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  if (floorView != nullptr) {
    QRect place(QPoint(), dialog.size());
    place.moveCenter(floorView->frameGeometry().center());
    dialog.move(place.topLeft());
  }
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

// A message box over the floor view and above the tool box, which stays on top of the others.
void OnTop(QMessageBox& box) {
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

void ShowErrorBox(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                  FloorView());
  OnTop(box);
  box.exec();
}

void WarnOnStandardError(const std::string& message) {
  std::fprintf(stderr, "cryptwright: %s\n", message.c_str());
}

editor::SaveAnswer AskToSave(const QString& documentName) {
  QMessageBox box(
      QMessageBox::Warning, QApplication::applicationName(),
      QStringLiteral("The level \"%1\" has changes that were not saved.").arg(documentName),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, FloorView());
  box.setInformativeText(QStringLiteral("Save them first?"));
  OnTop(box);
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
  QMessageBox box(
      QMessageBox::Question, QApplication::applicationName(),
      QStringLiteral("The editor last working in this folder did not end cleanly. "
                     "It left the level \"%1\" as it was %2.")
          .arg(documentName, editor::ReadableTime(lastChanged, QDateTime::currentDateTime())),
      QMessageBox::NoButton, FloorView());
  QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
  box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
  OnTop(box);
  box.setDefaultButton(restore);
  box.exec();
  return box.clickedButton() == restore ? editor::RestoreAnswer::kRestore
                                        : editor::RestoreAnswer::kDiscard;
}

int AskQuestion(const editor::Question& question) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question.text,
                  QMessageBox::NoButton, FloorView());
  std::vector<QAbstractButton*> buttons;
  for (const QString& text : question.buttons) {
    const bool last = buttons.size() + 1 == static_cast<std::size_t>(question.buttons.size());
    buttons.push_back(
        box.addButton(text, last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  OnTop(box);
  if (!buttons.empty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  }
  return static_cast<int>(buttons.size()) - 1;
}

void RunWhenTheEventIsOver(std::function<void()> work) {
  QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

void ShowBusyCursor(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

QString RecoveryFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

}  // namespace

editor::EditorServices ProgramServices() {
  return {ChooseFileWithDialog,  ShowErrorBox,
          WarnOnStandardError,   AskToSave,
          AskQuestion,           AskToRestore,
          RunWhenTheEventIsOver, ShowBusyCursor,
          RecoveryFolder(),      &platform::SystemProcessRunner()};
}

}  // namespace cw::forms
