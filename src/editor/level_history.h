#pragma once

#include <cstddef>
#include <memory>
#include <variant>
#include <vector>

#include "document/level.h"
#include "document/list_edit.h"

namespace cw::editor {

// A Load: the whole level, its name included, before and after.
struct LevelSwap {
  document::Level before;
  document::Level after;
};

// One step of the level's history: an edit of one list, or a whole new level.
using LevelStep = std::variant<document::ListEdit, std::unique_ptr<LevelSwap>>;

// Every change of the level since the program started, for undo and redo. A step keeps only what
// it changed (the records taken out and put in, with their indices), except a Load, which keeps
// the two levels. Nothing but the end of the program clears it.
class LevelHistory {
 public:
  // A step that was just done to the level; the steps that could have been redone are dropped.
  void Record(document::ListEdit edit);
  void Record(document::Level before, document::Level after);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }

  // Takes the last step back, or does the next one again, on the level; the step, or nothing
  // when there was none.
  const LevelStep* Undo(document::Level& level);
  const LevelStep* Redo(document::Level& level);

  std::size_t size() const { return steps_.size(); }

 private:
  void Push(LevelStep step);

  std::vector<LevelStep> steps_;
  std::size_t done_ = 0;  // steps before it are done, from it on undone
};

// The floors whose view a step changed: the floor of each block record it took out or put in, and
// both floors of each link. Records that do not parse give none.
std::vector<std::int32_t> FloorsChangedBy(const document::ListEdit& edit);

}  // namespace cw::editor
