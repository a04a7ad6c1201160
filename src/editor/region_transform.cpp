#include "editor/region_transform.h"

#include <algorithm>
#include <array>
#include <optional>

#include "compiler/placement.h"
#include "editor/edit_log.h"
#include "editor/region_copy.h"

namespace cw::editor {
namespace {

using Compositions = std::array<std::array<std::int32_t, 8>, 8>;

// Two orientations are the same transform when they move both axes' unit vectors alike.
bool SameTransform(std::int32_t flags, std::int32_t turn, std::int32_t first) {
  for (const compiler::Point2 axis : {compiler::Point2{1, 0}, compiler::Point2{0, 1}}) {
    const compiler::Point2 once = compiler::OrientPoint(first, axis.x, axis.y);
    if (compiler::OrientPoint(flags, axis.x, axis.y) !=
        compiler::OrientPoint(turn, once.x, once.y)) {
      return false;
    }
  }
  return true;
}

// For each turn and each block orientation, found with the map's own transform.
Compositions MakeCompositions() {
  Compositions table{};
  for (std::int32_t turn = 0; turn < 8; ++turn) {
    for (std::int32_t first = 0; first < 8; ++first) {
      for (std::int32_t flags = 0; flags < 8; ++flags) {
        if (SameTransform(flags, turn, first)) table[turn][first] = flags;
      }
    }
  }
  return table;
}

bool ValidFlags(std::int32_t flags) {
  return flags >= 0 && flags < 8;
}

}  // namespace

std::int32_t ComposeFlags(std::int32_t turn, std::int32_t flags) {
  static const Compositions table = MakeCompositions();
  if (!ValidFlags(turn)) return flags;
  return table[turn][ValidFlags(flags) ? flags : 0];
}

Region TurnedRegion(const Region& region, std::int32_t turn) {
  Region turned = region;
  if (ValidFlags(turn) && (turn & document::kRotate)) std::swap(turned.columns, turned.rows);
  return turned;
}

document::Cell TurnedCell(const Region& region, std::int32_t turn, std::int32_t column,
                          std::int32_t row) {
  // Cells as points seen from above, the rows along world -Y, turned about the top-left cell;
  // then the turned region is moved back to the same top-left cell.
  const auto turnedPoint = [turn](std::int64_t x, std::int64_t y) {
    const compiler::Point2 p = compiler::OrientPoint(turn, x, -y);
    return compiler::Point2{p.x, -p.y};
  };
  const compiler::Point2 far = turnedPoint(region.columns - 1, region.rows - 1);
  const compiler::Point2 wide = turnedPoint(region.columns - 1, 0);
  const compiler::Point2 tall = turnedPoint(0, region.rows - 1);
  const std::int64_t left = std::min({std::int64_t{0}, far.x, wide.x, tall.x});
  const std::int64_t top = std::min({std::int64_t{0}, far.y, wide.y, tall.y});
  const compiler::Point2 p =
      turnedPoint(std::int64_t{column} - region.column, std::int64_t{row} - region.row);
  return {region.floor, static_cast<std::int32_t>(region.column + p.x - left),
          static_cast<std::int32_t>(region.row + p.y - top)};
}

std::vector<document::ListEdit> TurnRegion(document::Level& level, const Region& region,
                                           std::int32_t turn, const Grid& grid) {
  const Region target = TurnedRegion(region, turn);
  if (!ValidFlags(turn) || region.columns <= 0 || region.rows <= 0 || target.column < 0 ||
      target.row < 0 || std::int64_t{target.column} + target.columns > grid.columns ||
      std::int64_t{target.row} + target.rows > grid.rows) {
    return {};
  }
  // The records that the turned region covers anew, found before any record moves there.
  std::vector<std::size_t> covered;
  for (std::size_t index : RegionBlockIndices(level, target)) {
    if (!region.Contains(*document::ParseCell(level.BlockList[index]))) covered.push_back(index);
  }
  EditLog log(level);
  for (std::size_t index : RegionBlockIndices(level, region)) {
    std::optional<document::BlockRecord> record =
        document::ParseBlockRecord(level.BlockList[index]);
    if (!record) continue;  // a record that does not parse cannot be turned: it stays
    const document::Cell cell = TurnedCell(region, turn, record->column, record->row);
    record->column = cell.column;
    record->row = cell.row;
    record->flags = ComposeFlags(turn, record->flags);
    log.ReplaceBlock(index, document::FormatBlockRecord(*record));
  }
  for (auto index = covered.rbegin(); index != covered.rend(); ++index) log.RemoveBlock(*index);
  for (const InnerLink& inner : InnerLinks(level, region)) {
    const document::Cell start =
        TurnedCell(region, turn, inner.link.startColumn, inner.link.startRow);
    const document::Cell end = TurnedCell(region, turn, inner.link.endColumn, inner.link.endRow);
    log.ReplaceLink(inner.index, document::FormatLinkRecord({start.floor, start.column, start.row,
                                                             end.floor, end.column, end.row}));
  }
  return log.Take();
}

}  // namespace cw::editor
