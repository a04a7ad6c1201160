#include "document/level_document.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <utility>

#include "document/edit_batch.h"
#include "document/records.h"

namespace cw::document {
namespace {

void AddFloor(std::vector<std::int32_t>& floors, std::int32_t floor) {
  if (std::find(floors.begin(), floors.end(), floor) == floors.end()) floors.push_back(floor);
}

}  // namespace

LevelChange ChangeOfEdits(ChangeCause cause, std::vector<ListEdit> edits) {
  LevelChange change;
  change.cause = cause;
  for (const ListEdit& edit : edits) {
    const bool blocks = edit.list == LevelList::kBlocks;
    (blocks ? change.blocksChanged : change.linksChanged) = true;
    for (const auto* at : {&edit.removed, &edit.added}) {
      if (!*at) continue;
      if (blocks) {
        if (const auto cell = ParseCell((*at)->record)) AddFloor(change.floors, cell->floor);
      } else if (const auto link = ParseLinkRecord((*at)->record)) {
        AddFloor(change.floors, link->startFloor);
        AddFloor(change.floors, link->endFloor);
      }
    }
  }
  change.edits = std::move(edits);
  return change;
}

bool LevelDocument::Edit(const std::function<std::vector<ListEdit>(Level&)>& edit) {
  std::vector<ListEdit> done = edit(level_);
  std::erase_if(done, [](const ListEdit& one) { return one.ChangesNothing(); });
  if (done.empty()) return false;
  Notify(ChangeOfEdits(ChangeCause::kEdit, std::move(done)));
  return true;
}

void LevelDocument::Replay(const std::vector<ListEdit>& edits, ChangeCause cause) {
  ApplyEdits(level_, edits);
  Notify(ChangeOfEdits(cause, edits));
}

void LevelDocument::Revert(const std::vector<ListEdit>& edits, ChangeCause cause) {
  RevertEdits(level_, edits);
  // Taken back last first, each by its inverse.
  std::vector<ListEdit> inverse;
  inverse.reserve(edits.size());
  std::transform(edits.rbegin(), edits.rend(), std::back_inserter(inverse), InverseEdit);
  Notify(ChangeOfEdits(cause, std::move(inverse)));
}

void LevelDocument::Replace(Level level, ChangeCause cause) {
  const Level before = std::exchange(level_, std::move(level));
  LevelChange change;
  change.cause = cause;
  change.replaced = true;
  change.before = &before;
  change.blocksChanged = true;
  change.linksChanged = true;
  Notify(change);
}

void LevelDocument::RemoveObserver(LevelObserver& observer) {
  std::erase(observers_, &observer);
}

void LevelDocument::Notify(const LevelChange& change) {
  std::exception_ptr first;
  // A copy: an observer may stop observing while it is told.
  const std::vector<LevelObserver*> observers = observers_;
  for (LevelObserver* observer : observers) {
    try {
      observer->LevelChanged(level_, change);
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

}  // namespace cw::document
