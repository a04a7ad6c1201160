#include "editor/family_painting.h"

#include <optional>
#include <string>

#include "editor/edit_log.h"
#include "editor/family_neighbours.h"
#include "editor/floor_cells.h"

namespace cw::editor {
namespace {

// Puts the painted piece, or nothing, in the cell, then chooses its neighbours again.
std::vector<document::ListEdit> ChangeCell(document::Level& level, const FamilySet& families,
                                           const Family* painted, const document::Cell& cell) {
  // No canvas reaches so far; the steps to the neighbours below stay within 32 bits.
  constexpr std::int32_t kFar = 1 << 30;
  if (cell.column < -kFar || cell.column > kFar || cell.row < -kFar || cell.row > kFar) return {};
  // The cell, its neighbours and theirs: all that the new pieces depend on.
  const FloorCells cells(level, Region{cell.floor, cell.column - 2, cell.row - 2, 5, 5});
  const FloorCells::Entry* old = cells.At(cell.column, cell.row);
  const std::string* oldBlock = cells.BlockAt(cell.column, cell.row);
  std::optional<document::BlockRecord> piece;
  // Whether a cell's block belongs to a family once the cell holds its new piece, or nothing.
  const auto belongsTo = [&](const Family& family) {
    return [&cells, &cell, &piece, &family](std::int32_t column, std::int32_t row) {
      if (column == cell.column && row == cell.row) return piece && family.Holds(piece->name);
      const std::string* block = cells.BlockAt(column, row);
      return block && family.Holds(*block);
    };
  };
  if (painted) {
    piece = FamilyPiece(*painted, families.pattern, cell,
                        JoinedSides(belongsTo(*painted), cell.column, cell.row));
  }
  EditLog log(level);
  if (piece && !(old && old->record == piece)) log.Place(*piece);
  if (!piece && old) log.Place({cell.floor, cell.column, cell.row, 0, ""});
  for (const Neighbour& side : kNeighbours) {
    const std::int32_t column = cell.column + side.column;
    const std::int32_t row = cell.row + side.row;
    const std::string* block = cells.BlockAt(column, row);
    if (!block) continue;
    // The family that the change of the cell concerns: the neighbour's own, which held the old
    // block or holds the new one.
    const Family* family = nullptr;
    for (const Family& candidate : families.families) {
      if (candidate.Holds(*block) &&
          ((oldBlock && candidate.Holds(*oldBlock)) || (piece && candidate.Holds(piece->name)))) {
        family = &candidate;
        break;
      }
    }
    if (!family) continue;
    const document::Cell at{cell.floor, column, row};
    const document::BlockRecord chosen =
        FamilyPiece(*family, families.pattern, at, JoinedSides(belongsTo(*family), column, row));
    if (cells.At(column, row)->record != chosen) log.Place(chosen);
  }
  return log.Take();
}

}  // namespace

std::vector<document::ListEdit> PaintFamily(document::Level& level, const FamilySet& families,
                                            const Family& family, const document::Cell& cell) {
  return ChangeCell(level, families, &family, cell);
}

std::vector<document::ListEdit> EraseFamilyCell(document::Level& level, const FamilySet& families,
                                                const document::Cell& cell) {
  return ChangeCell(level, families, nullptr, cell);
}

}  // namespace cw::editor
