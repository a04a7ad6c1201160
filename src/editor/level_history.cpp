#include "editor/level_history.h"

#include <algorithm>

namespace cw::editor {

using document::ChangeCause;

void LevelHistory::Push(LevelStep step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  done_ = steps_.size();
}

void LevelHistory::LevelChanged(const document::Level& level, const document::LevelChange& change) {
  if (change.cause == ChangeCause::kEdit) {
    Push(change.edits);
  } else if (change.cause == ChangeCause::kNewLevel && change.before != nullptr) {
    Push(std::make_unique<LevelSwap>(LevelSwap{*change.before, level}));
  }
}

bool LevelHistory::Undo(document::LevelDocument& document) {
  if (!CanUndo()) return false;
  const LevelStep& step = steps_[--done_];
  if (const auto* edits = std::get_if<std::vector<document::ListEdit>>(&step)) {
    document.Revert(*edits, ChangeCause::kUndo);
  } else {
    document.Replace(std::get<std::unique_ptr<LevelSwap>>(step)->before, ChangeCause::kUndo);
  }
  return true;
}

bool LevelHistory::Redo(document::LevelDocument& document) {
  if (!CanRedo()) return false;
  const LevelStep& step = steps_[done_++];
  if (const auto* edits = std::get_if<std::vector<document::ListEdit>>(&step)) {
    document.Replay(*edits, ChangeCause::kRedo);
  } else {
    document.Replace(std::get<std::unique_ptr<LevelSwap>>(step)->after, ChangeCause::kRedo);
  }
  return true;
}

}  // namespace cw::editor
