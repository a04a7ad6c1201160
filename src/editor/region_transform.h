#pragma once

#include <cstdint>
#include <vector>

#include "document/level.h"
#include "document/list_edit.h"
#include "document/records.h"
#include "editor/region.h"

namespace cw::editor {

// A region is turned by an orientation value as a block is (1 X flip, 2 Y flip, 4 rotate): R is
// kRotate, a quarter turn counter-clockwise on the floor view; X is kFlipX, the mirror left to
// right; Y is kFlipY, the mirror top to bottom.

// The orientation of a block with `flags` once turned by `turn` as a whole: the one value whose
// transform is the block's transform followed by the turn's. Flags outside 0 to 7 turn nothing,
// as on the floor view and in the map, so they count as 0.
std::int32_t ComposeFlags(std::int32_t turn, std::int32_t flags);

// The cells that a turned region covers: the same top-left cell, the columns and rows swapped by
// a quarter turn.
Region TurnedRegion(const Region& region, std::int32_t turn);

// Where the cell (column, row) of the region goes when the region turns in place.
document::Cell TurnedCell(const Region& region, std::int32_t turn, std::int32_t column,
                          std::int32_t row);

// Turns a region in place: every block record of its cells moves to its turned cell with its
// flags composed with the turn, keeping its place in BlockList, so that the built map turns as a
// whole; records of the cells that the turned region covers anew are deleted; links with both
// ends inside move with their cells, and links that leave the region stay. Refused (no edit) when
// the turned region would leave the grid. Returns the edits done, in order.
std::vector<document::ListEdit> TurnRegion(document::Level& level, const Region& region,
                                           std::int32_t turn, const Grid& grid);

}  // namespace cw::editor
