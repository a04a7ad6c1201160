#pragma once

#include <cstddef>
#include <optional>

#include "document/records.h"
#include "editor/family_set.h"
#include "editor/region.h"
#include "editor/region_copy.h"

namespace cw::editor {

// What the mouse does between a press and its release besides a link drag: nothing, a Shift +
// left drag that selects a rectangle of cells, or a left drag that paints the chosen family.
enum class PaintingDrag { kNone, kSelect, kFamily };

// The editor's state for families, regions and fill: what the windows show beside the tool box's
// fixed controls. None of it is part of the level; it lives until the program ends.
struct PaintingState {
  // The families of the kit, read from the families file at start-up.
  FamilySet families;
  // The chosen family, an index into families.families; -1 paints plain blocks.
  int family = -1;
  // The selected rectangle of cells, on its floor; the floor view outlines it on that floor.
  std::optional<Region> selection;
  // What the last copy or cut kept, pasted at the marker.
  std::optional<RegionClip> clip;

  PaintingDrag drag = PaintingDrag::kNone;
  // The cell the selection drag began on, or the cell a family drag painted last.
  document::Cell dragCell;
  // Where the history stood when the family drag began: its steps become one at the release.
  std::size_t historyMark = 0;

  const Family* ChosenFamily() const {
    return family >= 0 && static_cast<std::size_t>(family) < families.families.size()
               ? &families.families[static_cast<std::size_t>(family)]
               : nullptr;
  }
  // The selection when it lies on `floor`.
  std::optional<Region> SelectionOn(std::int32_t floor) const {
    return selection && selection->floor == floor ? selection : std::nullopt;
  }
};

}  // namespace cw::editor
