// Keeping the user's work: the question before unsaved changes are lost, and the recovery file
// written after every change.
#include "editor/editor.h"
#include "editor/text_bytes.h"

namespace cw::editor {

void Editor::ScheduleRecovery() {
  if (!recovery_.Enabled() || recoveryPending_) return;
  recoveryPending_ = true;
  if (services_.runLater) {
    services_.runLater([this] { WriteRecovery(); });
  } else {
    WriteRecovery();
  }
}

void Editor::WriteRecovery() {
  recoveryPending_ = false;
  const platform::IoResult written = recovery_.Write(Level());
  if (written || recoveryProblemTold_) return;
  // Once only, and quietly: editing goes on without a recovery file.
  recoveryProblemTold_ = true;
  state_.notices.push_back(
      {QStringLiteral("No recovery file"), QStringLiteral("The recovery file cannot be written: ") +
                                               QString::fromStdString(written.error)});
  NotifyViews();
}

bool Editor::MayLoseChanges() {
  if (!HasUnsavedChanges()) return true;
  const SaveAnswer answer = services_.askToSave
                                ? services_.askToSave(FromBytes(Level().DocumentName))
                                : SaveAnswer::kDiscard;
  switch (answer) {
    case SaveAnswer::kSave:
      return Button5Click();
    case SaveAnswer::kDiscard:
      return true;
    case SaveAnswer::kCancel:
      break;
  }
  return false;
}

}  // namespace cw::editor
