#include "editor/floor_cells.h"

namespace cw::editor {

std::uint64_t CellKey(std::int32_t column, std::int32_t row) {
  return (std::uint64_t{static_cast<std::uint32_t>(column)} << 32) |
         static_cast<std::uint32_t>(row);
}

FloorCells::FloorCells(const document::Level& level, std::int32_t floor) {
  Read(level, floor, nullptr);
}

FloorCells::FloorCells(const document::Level& level, const Region& window) {
  Read(level, window.floor, &window);
}

void FloorCells::Read(const document::Level& level, std::int32_t floor, const Region* window) {
  const document::FloorFilter onFloor(floor);
  for (std::size_t i = 0; i < level.BlockList.size(); ++i) {
    const std::string& text = level.BlockList[i];
    if (!onFloor.Holds(text)) continue;
    const std::optional<document::Cell> cell = document::ParseCell(text);
    if (!cell || (window && !window->Contains(*cell))) continue;
    const auto [entry, added] = cells_.try_emplace(CellKey(cell->column, cell->row));
    if (!added) continue;  // the cell's first record is the one the editor deals with
    entry->second.index = i;
    entry->second.record = document::ParseBlockRecord(text);
  }
}

const FloorCells::Entry* FloorCells::At(std::int32_t column, std::int32_t row) const {
  const auto found = cells_.find(CellKey(column, row));
  return found == cells_.end() ? nullptr : &found->second;
}

const std::string* FloorCells::BlockAt(std::int32_t column, std::int32_t row) const {
  const Entry* entry = At(column, row);
  return entry && entry->record ? &entry->record->name : nullptr;
}

}  // namespace cw::editor
