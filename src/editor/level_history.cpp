#include "editor/level_history.h"

#include <algorithm>
#include <iterator>

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

void LevelHistory::JoinSince(std::size_t position) {
  if (position + 1 >= done_) return;
  const auto first = steps_.begin() + static_cast<std::ptrdiff_t>(position);
  const auto end = steps_.begin() + static_cast<std::ptrdiff_t>(done_);
  using Edits = std::vector<document::ListEdit>;
  if (!std::all_of(first, end,
                   [](const LevelStep& step) { return std::holds_alternative<Edits>(step); })) {
    return;
  }
  Edits& joined = std::get<Edits>(*first);
  for (auto step = first + 1; step != end; ++step) {
    Edits& edits = std::get<Edits>(*step);
    joined.insert(joined.end(), std::make_move_iterator(edits.begin()),
                  std::make_move_iterator(edits.end()));
  }
  steps_.erase(first + 1, end);
  done_ = position + 1;
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
