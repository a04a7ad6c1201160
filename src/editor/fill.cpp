#include "editor/fill.h"

#include <algorithm>
#include <unordered_set>

#include "editor/edit_log.h"
#include "editor/family_neighbours.h"
#include "editor/floor_cells.h"

namespace cw::editor {
namespace {

bool RowMajor(const document::Cell& a, const document::Cell& b) {
  return a.row != b.row ? a.row < b.row : a.column < b.column;
}

}  // namespace

std::vector<document::Cell> FillArea(const FloorCells& cells, const document::Cell& start,
                                     const Grid& grid) {
  if (!grid.Contains(start.column, start.row) || cells.At(start.column, start.row)) return {};
  std::vector<document::Cell> area{start};
  std::unordered_set<std::uint64_t> reached{CellKey(start.column, start.row)};
  for (std::size_t next = 0; next < area.size(); ++next) {
    const document::Cell cell = area[next];
    for (const Neighbour& n : kNeighbours) {
      const std::int32_t column = cell.column + n.column;
      const std::int32_t row = cell.row + n.row;
      if (!grid.Contains(column, row) || cells.At(column, row) ||
          !reached.insert(CellKey(column, row)).second) {
        continue;
      }
      if (area.size() == kMaxFillCells) return {};
      area.push_back({cell.floor, column, row});
    }
  }
  std::sort(area.begin(), area.end(), RowMajor);
  return area;
}

std::vector<document::ListEdit> FillBlock(document::Level& level, const document::Cell& start,
                                          std::int32_t flags, const std::string& block,
                                          const Grid& grid) {
  if (block.empty() || block == document::kUnknownBlockName) return {};
  const std::vector<document::Cell> area = FillArea(FloorCells(level, start.floor), start, grid);
  EditLog log(level);
  for (const document::Cell& cell : area) {
    log.AppendBlock(document::FormatBlockRecord({cell.floor, cell.column, cell.row, flags, block}));
  }
  return log.Take();
}

std::vector<document::ListEdit> FillFamily(document::Level& level, const FamilySet& families,
                                           const Family& family, const document::Cell& start,
                                           const Grid& grid) {
  const FloorCells cells(level, start.floor);
  const std::vector<document::Cell> area = FillArea(cells, start, grid);
  std::unordered_set<std::uint64_t> filled;
  for (const document::Cell& cell : area) filled.insert(CellKey(cell.column, cell.row));
  const auto belongs = [&](std::int32_t column, std::int32_t row) {
    if (filled.contains(CellKey(column, row))) return true;
    const std::string* block = cells.BlockAt(column, row);
    return block && family.Holds(*block);
  };
  // The family's cells around the area, whose sides toward it are now joined.
  std::vector<document::BlockRecord> pieces;
  std::vector<std::size_t> replaced;
  std::unordered_set<std::uint64_t> around;
  for (const document::Cell& cell : area) {
    pieces.push_back(
        FamilyPiece(family, families.pattern, cell, JoinedSides(belongs, cell.column, cell.row)));
    for (const Neighbour& n : kNeighbours) {
      const std::int32_t column = cell.column + n.column;
      const std::int32_t row = cell.row + n.row;
      const FloorCells::Entry* entry = cells.At(column, row);
      if (!entry || !entry->record || !family.Holds(entry->record->name) ||
          !around.insert(CellKey(column, row)).second) {
        continue;
      }
      const document::BlockRecord chosen = FamilyPiece(
          family, families.pattern, {cell.floor, column, row}, JoinedSides(belongs, column, row));
      if (chosen == *entry->record) continue;
      pieces.push_back(chosen);
      replaced.push_back(entry->index);
    }
  }
  // As placements would: each replaced cell's first record deleted, every new record appended.
  std::sort(replaced.begin(), replaced.end());
  std::sort(pieces.begin(), pieces.end(),
            [](const auto& a, const auto& b) { return RowMajor(a.cell(), b.cell()); });
  EditLog log(level);
  for (auto index = replaced.rbegin(); index != replaced.rend(); ++index) log.RemoveBlock(*index);
  for (const document::BlockRecord& piece : pieces) {
    log.AppendBlock(document::FormatBlockRecord(piece));
  }
  return log.Take();
}

}  // namespace cw::editor
