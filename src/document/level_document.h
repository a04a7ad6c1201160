#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/level.h"
#include "document/level_change.h"

namespace cw::document {

// The level being edited and those who watch it: every change goes through here, and each
// observer (the history, the recovery file, the floor view, the 3D view) hears of it once, in
// the order they began to observe.
class LevelDocument {
 public:
  const Level& level() const { return level_; }

  // A command's change: `edit` changes the level through the record operations and returns what
  // it did. Edits that left their list as it was are dropped; when none is left, nobody is told.
  // True when the level changed.
  bool Edit(const std::function<std::vector<ListEdit>(Level&)>& edit);
  // Does edits that were done before again, in order (redo), or takes them back, last first
  // (undo). The observers hear of the edits as they were done now.
  void Replay(const std::vector<ListEdit>& edits, ChangeCause cause);
  void Revert(const std::vector<ListEdit>& edits, ChangeCause cause);
  // A whole level in place of this one.
  void Replace(Level level, ChangeCause cause);
  // The level's name, which no observer follows (the floor caption is set by who renames).
  void Rename(std::string name) { level_.DocumentName = std::move(name); }

  void AddObserver(LevelObserver& observer) { observers_.push_back(&observer); }
  void RemoveObserver(LevelObserver& observer);

 private:
  // Every observer is told, also when one of them throws; the first exception goes on after.
  void Notify(const LevelChange& change);

  Level level_;
  std::vector<LevelObserver*> observers_;
};

}  // namespace cw::document
