#pragma once

#include <cstddef>
#include <memory>
#include <variant>
#include <vector>

#include "document/level.h"
#include "document/level_change.h"
#include "document/level_document.h"

namespace cw::editor {

// A whole new level (a Load, New, a restored recovery file): both levels, names included.
struct LevelSwap {
  document::Level before;
  document::Level after;
};

// One step of the level's history: the edits of one command, in the order they were done, or a
// whole new level.
using LevelStep = std::variant<std::vector<document::ListEdit>, std::unique_ptr<LevelSwap>>;

// Every change of the level since the program started, for undo and redo. It hears of each
// change from the level document: a command's edits and a new level become steps (the steps that
// could have been redone are dropped); the undo and redo it does itself are not. A step keeps
// only what it changed (the records taken out and put in, with their indices), except a new
// level, which keeps the two levels. Nothing but the end of the program clears it.
class LevelHistory final : public document::LevelObserver {
 public:
  void LevelChanged(const document::Level& level, const document::LevelChange& change) override;

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }

  // Takes the last step back, or does the next one again, through the document, which tells
  // every observer. False when there was no step.
  bool Undo(document::LevelDocument& document);
  bool Redo(document::LevelDocument& document);

  // Where the history stands: the number of steps done.
  std::size_t Position() const { return done_; }
  // Makes the steps done since `position` one step, their edits in the order they were done, so
  // that a drag that painted many cells is undone and redone at once. Nothing is joined when one
  // of them is a whole new level.
  void JoinSince(std::size_t position);

 private:
  void Push(LevelStep step);

  std::vector<LevelStep> steps_;
  std::size_t done_ = 0;  // steps before it are done, from it on undone
};

}  // namespace cw::editor
