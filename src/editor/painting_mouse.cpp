// The mouse of families and regions on the floor canvas: a Shift + left drag selects a rectangle
// of cells, a left press or drag with a family chosen paints it, and any other press lets the
// selection go. The changed cells are drawn as a placement draws its cell.
#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "document/level_edit.h"
#include "document/records.h"
#include "editor/block_picture.h"
#include "editor/editor.h"
#include "editor/family_painting.h"
#include "editor/link_geometry.h"
#include "editor/palette.h"

namespace cw::editor {
namespace {

// The grid cell nearest to a canvas point: a drag that leaves the canvas selects up to its edge.
document::Cell NearestCell(std::int32_t floor, std::int32_t x, std::int32_t y, const Grid& grid) {
  const GridCell cell = CellOfPoint(x, y);
  return {floor,
          static_cast<std::int32_t>(std::clamp<std::int64_t>(cell.column, 0, grid.columns - 1)),
          static_cast<std::int32_t>(std::clamp<std::int64_t>(cell.row, 0, grid.rows - 1))};
}

// The rectangle of cells with these two corners.
Region Span(const document::Cell& a, const document::Cell& b) {
  return {a.floor, std::min(a.column, b.column), std::min(a.row, b.row),
          std::abs(a.column - b.column) + 1, std::abs(a.row - b.row) + 1};
}

// The cells from `from` (left out) to `to`, each one side's step from the one before, along the
// straight line between them: a quick drag paints a joined line of cells, as a slow one does.
std::vector<document::Cell> SideSteps(const document::Cell& from, const document::Cell& to) {
  const std::int64_t columns = std::abs(std::int64_t{to.column} - from.column);
  const std::int64_t rows = std::abs(std::int64_t{to.row} - from.row);
  const std::int32_t columnStep = to.column < from.column ? -1 : 1;
  const std::int32_t rowStep = to.row < from.row ? -1 : 1;
  std::vector<document::Cell> steps;
  document::Cell at = {to.floor, from.column, from.row};
  for (std::int64_t c = 0, r = 0; c < columns || r < rows;) {
    // The axis whose next step's middle comes first along the line.
    if ((2 * c + 1) * rows < (2 * r + 1) * columns) {
      at.column += columnStep;
      ++c;
    } else {
      at.row += rowStep;
      ++r;
    }
    steps.push_back(at);
  }
  return steps;
}

}  // namespace

Grid Editor::FloorGrid() const {
  return {state_.FloorCanvas.width() / document::kCellSize,
          state_.FloorCanvas.height() / document::kCellSize};
}

bool Editor::BelongsToAFamily(const document::Cell& cell) const {
  const std::vector<Family>& families = state_.painting.families.families;
  if (families.empty()) return false;
  const std::optional<document::BlockRecord> record = document::FindBlockAt(Level(), cell);
  return record && std::any_of(families.begin(), families.end(),
                               [&](const Family& family) { return family.Holds(record->name); });
}

bool Editor::PaintingPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, std::int32_t x,
                           std::int32_t y) {
  PaintingState& painting = state_.painting;
  // A drag whose release never arrived ends first.
  EndPaintingDrag();
  const Grid grid = FloorGrid();
  const bool select = button == Qt::LeftButton && (modifiers & Qt::ShiftModifier) &&
                      !state_.drag.LinkDragActive && grid.columns > 0 && grid.rows > 0;
  if (!select) painting.selection.reset();
  const Family* family = painting.ChosenFamily();
  if (!select && (button != Qt::LeftButton || state_.linkMode || family == nullptr)) return false;

  ToggleMarkerOnFloor();
  const GridCell pressed = CellOfPoint(x, y);
  const document::Cell cell{state_.floor, static_cast<std::int32_t>(pressed.column),
                            static_cast<std::int32_t>(pressed.row)};
  if (select) {
    painting.dragCell = NearestCell(state_.floor, x, y, grid);
    painting.selection = Span(painting.dragCell, painting.dragCell);
    painting.drag = PaintingDrag::kSelect;
  } else {
    painting.historyMark = history_.Position();
    painting.dragCell = cell;
    painting.drag = PaintingDrag::kFamily;
    if (grid.Contains(cell.column, cell.row)) PaintFamilyAt(cell);
  }
  state_.MarkerColumn = cell.column;
  state_.MarkerRow = cell.row;
  ToggleMarkerOnFloor();
  return true;
}

bool Editor::PaintingMove(std::int32_t x, std::int32_t y) {
  PaintingState& painting = state_.painting;
  const Grid grid = FloorGrid();
  if (painting.drag == PaintingDrag::kSelect) {
    painting.selection = Span(painting.dragCell, NearestCell(painting.dragCell.floor, x, y, grid));
    return true;
  }
  if (painting.drag != PaintingDrag::kFamily) return false;
  const GridCell point = CellOfPoint(x, y);
  if (!grid.Contains(static_cast<std::int32_t>(point.column), static_cast<std::int32_t>(point.row)))
    return true;
  const document::Cell cell{state_.floor, static_cast<std::int32_t>(point.column),
                            static_cast<std::int32_t>(point.row)};
  if (cell == painting.dragCell) return true;
  ToggleMarkerOnFloor();
  // After a floor change the drag goes on from the cell under the pointer.
  const std::vector<document::Cell> cells = painting.dragCell.floor == cell.floor
                                                ? SideSteps(painting.dragCell, cell)
                                                : std::vector<document::Cell>{cell};
  for (const document::Cell& step : cells) {
    painting.dragCell = step;
    state_.MarkerColumn = step.column;
    state_.MarkerRow = step.row;
    PaintFamilyAt(step);
  }
  ToggleMarkerOnFloor();
  return true;
}

bool Editor::PaintingRelease(std::int32_t x, std::int32_t y) {
  PaintingState& painting = state_.painting;
  if (painting.drag == PaintingDrag::kNone) return false;
  if (painting.drag == PaintingDrag::kSelect) {
    PaintingMove(x, y);
    // The marker goes to the selection's top-left cell, where a paste on another floor puts the
    // copy right above or below it.
    ToggleMarkerOnFloor();
    state_.MarkerColumn = painting.selection->column;
    state_.MarkerRow = painting.selection->row;
    ToggleMarkerOnFloor();
  }
  EndPaintingDrag();
  return true;
}

void Editor::EndPaintingDrag() {
  PaintingState& painting = state_.painting;
  if (painting.drag == PaintingDrag::kFamily) history_.JoinSince(painting.historyMark);
  painting.drag = PaintingDrag::kNone;
}

void Editor::PaintFamilyAt(const document::Cell& cell) {
  const Family* family = state_.painting.ChosenFamily();
  if (family == nullptr) return;
  std::vector<document::ListEdit> done;
  document_.Edit([&](document::Level& level) {
    return done = PaintFamily(level, state_.painting.families, *family, cell);
  });
  DrawChangedCells(done);
}

void Editor::MoveMarker(int x, int y) {
  RunHandler([&] {
    ToggleMarkerOnFloor();
    const GridCell cell = CellOfPoint(x, y);
    state_.MarkerColumn = static_cast<std::int32_t>(cell.column);
    state_.MarkerRow = static_cast<std::int32_t>(cell.row);
    ToggleMarkerOnFloor();
  });
}

void Editor::DrawChangedCells(const std::vector<document::ListEdit>& edits,
                              const std::optional<document::Cell>& except) {
  // Each changed cell once, with the record it got last, or none when it was only erased.
  std::vector<std::pair<document::Cell, std::optional<document::BlockRecord>>> cells;
  const auto entry = [&](const document::Cell& cell) -> std::optional<document::BlockRecord>& {
    for (auto& [at, record] : cells)
      if (at == cell) return record;
    return cells.emplace_back(cell, std::nullopt).second;
  };
  for (const document::ListEdit& edit : edits) {
    if (edit.list != document::LevelList::kBlocks) continue;
    if (edit.removed) {
      if (const auto cell = document::ParseCell(edit.removed->record)) entry(*cell).reset();
    }
    if (edit.added) {
      if (auto record = document::ParseBlockRecord(edit.added->record)) {
        entry(record->cell()) = std::move(*record);
      }
    }
  }
  const std::unordered_set<std::string> paletteNames(state_.palette.begin(), state_.palette.end());
  // The marker is off while a press draws.
  for (const auto& [cell, record] : cells) {
    if (cell.floor != state_.floor || cell == except) continue;
    // Names without a palette item show the Unknown picture, as on a redraw.
    const std::string fileName = PictureFileName(!record ? std::string(kEmptyBlockName)
                                                 : paletteNames.contains(record->name)
                                                     ? record->name
                                                     : std::string(document::kUnknownBlockName));
    const std::optional<std::string> drawable = DrawablePicture(fileName);
    if (!drawable) continue;
    DrawPicture(state_.FloorCanvas, pictures_.Turned(*drawable, record ? record->flags : 0),
                std::int64_t{document::kCellSize} * cell.column,
                std::int64_t{document::kCellSize} * cell.row);
  }
}

}  // namespace cw::editor
