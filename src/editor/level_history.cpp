#include "editor/level_history.h"

#include <algorithm>

#include "document/records.h"

namespace cw::editor {

void LevelHistory::Push(LevelStep step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  done_ = steps_.size();
}

void LevelHistory::Record(document::ListEdit edit) {
  Push(std::move(edit));
}

void LevelHistory::Record(document::Level before, document::Level after) {
  Push(std::make_unique<LevelSwap>(LevelSwap{std::move(before), std::move(after)}));
}

const LevelStep* LevelHistory::Undo(document::Level& level) {
  if (!CanUndo()) return nullptr;
  const LevelStep& step = steps_[--done_];
  if (const auto* edit = std::get_if<document::ListEdit>(&step)) {
    document::RevertEdit(level, *edit);
  } else {
    level = std::get<std::unique_ptr<LevelSwap>>(step)->before;
  }
  return &step;
}

const LevelStep* LevelHistory::Redo(document::Level& level) {
  if (!CanRedo()) return nullptr;
  const LevelStep& step = steps_[done_++];
  if (const auto* edit = std::get_if<document::ListEdit>(&step)) {
    document::ApplyEdit(level, *edit);
  } else {
    level = std::get<std::unique_ptr<LevelSwap>>(step)->after;
  }
  return &step;
}

std::vector<std::int32_t> FloorsChangedBy(const document::ListEdit& edit) {
  std::vector<std::int32_t> floors;
  for (const auto* at : {&edit.removed, &edit.added}) {
    if (!*at) continue;
    if (edit.list == document::LevelList::kBlocks) {
      if (const auto cell = document::ParseCell((*at)->record)) floors.push_back(cell->floor);
    } else if (const auto link = document::ParseLinkRecord((*at)->record)) {
      floors.push_back(link->startFloor);
      floors.push_back(link->endFloor);
    }
  }
  return floors;
}

}  // namespace cw::editor
