#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "document/level.h"

namespace cw::document {

// Which of the level's two lists an edit changed.
enum class LevelList { kBlocks, kLinks };

// A record and where it stands in its list.
struct RecordAt {
  std::size_t index = 0;
  std::string record;
  bool operator==(const RecordAt&) const = default;
};

// What one edit did to one list: at most one record deleted (its index before the edit), then at
// most one record inserted (its index after the edit). Placing a block, erasing one and toggling
// a link are each one such edit.
struct ListEdit {
  LevelList list = LevelList::kBlocks;
  std::optional<RecordAt> removed;
  std::optional<RecordAt> added;
  bool operator==(const ListEdit&) const = default;

  // True when the edit leaves the list as it was: the same record taken out and put back where
  // it stood, or nothing done at all.
  bool ChangesNothing() const;
};

// Does the edit again, or takes it back, so that the list holds exactly the records at exactly
// the indices it held before (Revert) or after (Apply) the edit.
// The level's list that an edit names.
std::vector<std::string>& ListOf(Level& level, LevelList list);

void ApplyEdit(Level& level, const ListEdit& edit);
void RevertEdit(Level& level, const ListEdit& edit);

// The edit that takes this one back: applying it is reverting this one.
ListEdit InverseEdit(const ListEdit& edit);

}  // namespace cw::document
