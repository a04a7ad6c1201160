#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/level.h"
#include "document/list_edit.h"
#include "document/records.h"
#include "editor/family_set.h"
#include "editor/floor_cells.h"
#include "editor/region.h"

namespace cw::editor {

// The most cells one fill changes. A fill that would reach more is refused, so that a settings
// file with an enormous canvas cannot hold the editor up.
inline constexpr std::size_t kMaxFillCells = 65536;

// The empty cells (no record) of the start cell's floor that are connected to it through the
// sides of empty cells on the grid, the start cell included, row by row. None when the start cell
// is off the grid or holds a record, or when there are more than kMaxFillCells.
std::vector<document::Cell> FillArea(const FloorCells& cells, const document::Cell& start,
                                     const Grid& grid);

// Fills the area with the block in the orientation `flags`, row by row. The empty name and
// "Unknown" fill nothing. Returns the edits done, in order: one step of the history.
std::vector<document::ListEdit> FillBlock(document::Level& level, const document::Cell& start,
                                          std::int32_t flags, const std::string& block,
                                          const Grid& grid);

// Fills the area with a family: each cell gets the piece for its neighbours of the family, the
// filled cells included, and the family's cells around the area are chosen again. Returns the
// edits done, in order.
std::vector<document::ListEdit> FillFamily(document::Level& level, const FamilySet& families,
                                           const Family& family, const document::Cell& start,
                                           const Grid& grid);

}  // namespace cw::editor
