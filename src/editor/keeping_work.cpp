// Keeping the user's work: the history of the level's changes with undo and redo, the question
// before unsaved changes are lost, and the recovery file written after every change.
#include <QDir>
#include <algorithm>

#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::editor {

void Editor::RecordStep(document::ListEdit edit) {
  // Placing a block over its own last record leaves the lists as they were: no step.
  if (edit.ChangesNothing()) return;
  history_.Record(std::move(edit));
  LevelChanged();
}

void Editor::RecordNewLevel(document::Level before) {
  history_.Record(std::move(before), state_.level);
  LevelChanged();
}

void Editor::LevelChanged() {
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
  const platform::IoResult written = recovery_.Write(state_.level);
  if (written || recoveryProblemShown_) return;
  // Once only, and quietly: editing goes on without a recovery file.
  recoveryProblemShown_ = true;
  toolBox_->ShowRecoveryProblem(QStringLiteral("The recovery file cannot be written: ") +
                                QString::fromStdString(written.error));
}

void Editor::Undo() {
  if (state_.drag.LinkDragActive) return;
  if (const LevelStep* step = history_.Undo(state_.level)) {
    ShowStep(*step);
    LevelChanged();
  }
}

void Editor::Redo() {
  if (state_.drag.LinkDragActive) return;
  if (const LevelStep* step = history_.Redo(state_.level)) {
    ShowStep(*step);
    LevelChanged();
  }
}

void Editor::ShowStep(const LevelStep& step) {
  if (const auto* edit = std::get_if<document::ListEdit>(&step)) {
    const std::vector<std::int32_t> floors = FloorsChangedBy(*edit);
    if (!floors.empty() &&
        std::find(floors.begin(), floors.end(), CurrentFloor()) == floors.end()) {
      toolBox_->SetFloorSelectorPosition(floors.front());
    }
  }
  // The floor shown again as a floor change shows it: blocks, links in link mode, the marker.
  UpDown1Click();
}

void Editor::ShowNewLevel() {
  SetFloorCaption();
  RedrawFloor();
  if (LinkModeOn()) DrawFloorLinks();
  DrawLeakOverlay();
  ToggleMarkerOnFloor();
}

bool Editor::MayLoseChanges() {
  if (!HasUnsavedChanges()) return true;
  const SaveAnswer answer = services_.askToSave
                                ? services_.askToSave(FromBytes(state_.level.DocumentName))
                                : SaveAnswer::kDiscard;
  switch (answer) {
    case SaveAnswer::kSave:
      return SaveCommand();
    case SaveAnswer::kDiscard:
      return true;
    case SaveAnswer::kCancel:
      break;
  }
  return false;
}

bool Editor::ConfirmEnd() {
  if (!MayLoseChanges()) return false;
  recovery_.Remove();
  return true;
}

void Editor::OfferRecovery() {
  for (const RecoveryFiles::Orphan& orphan : recovery_.Orphans()) {
    const std::optional<document::Level> restored = RecoveryFiles::Read(orphan);
    if (!restored) continue;
    const RestoreAnswer answer =
        services_.askToRestore
            ? services_.askToRestore(FromBytes(restored->DocumentName), orphan.written)
            : RestoreAnswer::kDiscard;
    // Restored or not, the file is taken over: its level lives on in this run's own file.
    RecoveryFiles::Discard(orphan);
    if (answer == RestoreAnswer::kDiscard) continue;
    document::Level before = std::move(state_.level);
    state_.level = *restored;
    saved_.MarkUnsaved();
    ShowNewLevel();
    SetLinkCountCaption();
    RecordNewLevel(std::move(before));
    return;
  }
}

}  // namespace cw::editor
