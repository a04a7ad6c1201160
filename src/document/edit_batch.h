#pragma once

#include <span>

#include "document/level.h"
#include "document/list_edit.h"

namespace cw::document {

// Does the edits of one command in order, or takes them back last first, with exactly the result
// of ApplyEdit or RevertEdit called for each, but in time for a whole floor: a run of deletions
// at falling indices of one list (how a command deletes many records) is done in one pass over the
// list, and a record put in the place of another (removed and added at the same index) is
// assigned in place. Other edits go through ApplyEdit and RevertEdit one at a time.
void ApplyEdits(Level& level, std::span<const ListEdit> edits);
void RevertEdits(Level& level, std::span<const ListEdit> edits);

}  // namespace cw::document
