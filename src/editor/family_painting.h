#pragma once

#include <vector>

#include "document/level.h"
#include "document/list_edit.h"
#include "document/records.h"
#include "editor/family_set.h"

namespace cw::editor {

// Paints a family at a cell: the cell gets the family's piece for the sides on which its
// neighbours (on the same floor) belong to the family, then every neighbour whose block belongs
// to the family, or to a family that the cell's old block belonged to, is chosen again the same
// way. A cell that already holds its piece is left as it is. Returns the edits done, in order:
// one step of the history.
std::vector<document::ListEdit> PaintFamily(document::Level& level, const FamilySet& families,
                                            const Family& family, const document::Cell& cell);

// Erases a cell as the empty palette item does, then chooses again the neighbours that belonged
// to a family with the erased block. Returns the edits done, in order.
std::vector<document::ListEdit> EraseFamilyCell(document::Level& level, const FamilySet& families,
                                                const document::Cell& cell);

}  // namespace cw::editor
