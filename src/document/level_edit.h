#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "document/level.h"
#include "document/list_edit.h"
#include "document/records.h"

namespace cw::document {

// The palette item that stands for blocks whose picture is missing; it is never placed.
inline constexpr std::string_view kUnknownBlockName = "Unknown";

// Index of the first block record whose first three numbers are the cell.
std::optional<std::size_t> FindCellRecord(const Level& level, const Cell& cell);

// The first block record of the cell that parses in full (what a pick shows).
std::optional<BlockRecord> FindBlockAt(const Level& level, const Cell& cell);

enum class Placement { kRefused, kPlaced, kErased };

// Places a block: the cell's first record is deleted and the new record appended at the end.
// The name "Unknown" is never placed and changes nothing; the empty name (the empty palette item)
// only erases. What was done to BlockList goes into `done` when given.
Placement PlaceBlock(Level& level, const BlockRecord& record, ListEdit* done = nullptr);

enum class LinkToggle { kRefused, kAdded, kRemoved };

// Toggles a directed link: a link from a cell to itself on the same floor is refused; the first
// record with the same six numbers is deleted; otherwise the record is appended. What was done to
// LinkList goes into `done` when given.
LinkToggle ToggleLink(Level& level, const LinkRecord& link, ListEdit* done = nullptr);

}  // namespace cw::document
