#pragma once

#include <cstdint>
#include <vector>

#include "document/level.h"
#include "document/list_edit.h"

namespace cw::document {

// Why the level changed: a command edited it, undo or redo replayed a step, or a whole level took
// the place of the old one (a Load, New, a restored recovery file).
enum class ChangeCause { kEdit, kUndo, kRedo, kNewLevel };

// One change of the level, as its observers hear of it.
struct LevelChange {
  ChangeCause cause = ChangeCause::kEdit;
  // The edits in the order they were done: the records that left and entered each list, with
  // their indices. Empty when the whole level was replaced.
  std::vector<ListEdit> edits;
  // The whole level was replaced (also by undo or redo of such a step). `before` is the level
  // it replaced, alive while the observers are told.
  bool replaced = false;
  const Level* before = nullptr;
  // The floors of the block records that left or entered, and both floors of each link that
  // did, each once, in the order first met; records that do not parse give none.
  std::vector<std::int32_t> floors;
  bool blocksChanged = false;
  bool linksChanged = false;
};

// The change that the edits make, floors and lists filled in from their records.
LevelChange ChangeOfEdits(ChangeCause cause, std::vector<ListEdit> edits);

// What an observer of the level implements. It is told after the level changed.
class LevelObserver {
 public:
  virtual ~LevelObserver() = default;
  virtual void LevelChanged(const Level& level, const LevelChange& change) = 0;
};

}  // namespace cw::document
