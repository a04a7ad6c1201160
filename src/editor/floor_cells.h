#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "document/level.h"
#include "document/records.h"
#include "editor/region.h"

namespace cw::editor {

// One number for a column and row of a floor, for hashing cells.
std::uint64_t CellKey(std::int32_t column, std::int32_t row);

// The first block record of each cell of a floor, read once for one command: the level keeps only
// its text records, and a command that looks at many cells parses each record once here instead
// of searching the list for every cell. The index is only good until the level changes.
class FloorCells {
 public:
  struct Entry {
    std::size_t index = 0;                        // of the cell's first record in BlockList
    std::optional<document::BlockRecord> record;  // that record, when it parses in full
  };

  // Every cell of the floor.
  FloorCells(const document::Level& level, std::int32_t floor);
  // Only the cells inside `window` (on its floor).
  FloorCells(const document::Level& level, const Region& window);

  // The cell's first record, or nothing for an empty cell.
  const Entry* At(std::int32_t column, std::int32_t row) const;
  // The block name of the cell's first record, or nothing when it is empty or does not parse.
  const std::string* BlockAt(std::int32_t column, std::int32_t row) const;

 private:
  void Read(const document::Level& level, std::int32_t floor, const Region* window);

  std::unordered_map<std::uint64_t, Entry> cells_;
};

}  // namespace cw::editor
