#include "editor/region_copy.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "editor/edit_log.h"

namespace cw::editor {
namespace {

// The cell `column`, `row` of a clip placed at `topLeft`, when it lies on the grid.
std::optional<document::Cell> PlacedCell(const document::Cell& topLeft, std::int32_t column,
                                         std::int32_t row, const Grid& grid) {
  const std::int64_t placedColumn = std::int64_t{topLeft.column} + column;
  const std::int64_t placedRow = std::int64_t{topLeft.row} + row;
  if (placedColumn < 0 || placedRow < 0 || placedColumn >= grid.columns || placedRow >= grid.rows)
    return std::nullopt;
  return document::Cell{topLeft.floor, static_cast<std::int32_t>(placedColumn),
                        static_cast<std::int32_t>(placedRow)};
}

// Every block record of the region's cells, last first, then the region's inner links, last
// first: each deletion leaves the indices of those still to go as they were.
void EraseRecords(EditLog& log, const Region& region) {
  const std::vector<std::size_t> blocks = RegionBlockIndices(log.level(), region);
  for (auto index = blocks.rbegin(); index != blocks.rend(); ++index) log.RemoveBlock(*index);
  const std::vector<InnerLink> links = InnerLinks(log.level(), region);
  for (auto link = links.rbegin(); link != links.rend(); ++link) log.RemoveLink(link->index);
}

}  // namespace

Region OnGrid(const Region& region, const Grid& grid) {
  const std::int64_t left = std::max<std::int64_t>(region.column, 0);
  const std::int64_t top = std::max<std::int64_t>(region.row, 0);
  const std::int64_t right =
      std::min<std::int64_t>(std::int64_t{region.column} + region.columns, grid.columns);
  const std::int64_t bottom =
      std::min<std::int64_t>(std::int64_t{region.row} + region.rows, grid.rows);
  return {region.floor, static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
          static_cast<std::int32_t>(std::max<std::int64_t>(right - left, 0)),
          static_cast<std::int32_t>(std::max<std::int64_t>(bottom - top, 0))};
}

std::vector<std::size_t> RegionBlockIndices(const document::Level& level, const Region& region) {
  std::vector<std::size_t> indices;
  const document::FloorFilter onFloor(region.floor);
  for (std::size_t i = 0; i < level.BlockList.size(); ++i) {
    if (!onFloor.Holds(level.BlockList[i])) continue;
    const std::optional<document::Cell> cell = document::ParseCell(level.BlockList[i]);
    if (cell && region.Contains(*cell)) indices.push_back(i);
  }
  return indices;
}

std::vector<InnerLink> InnerLinks(const document::Level& level, const Region& region) {
  std::vector<InnerLink> links;
  for (std::size_t i = 0; i < level.LinkList.size(); ++i) {
    const std::optional<document::LinkRecord> link = document::ParseLinkRecord(level.LinkList[i]);
    if (link && region.Contains(link->start()) && region.Contains(link->end()))
      links.push_back({i, *link});
  }
  return links;
}

RegionClip CopyRegion(const document::Level& level, const Region& region) {
  RegionClip clip{region.columns, region.rows, {}, {}};
  for (std::size_t index : RegionBlockIndices(level, region)) {
    const std::optional<document::BlockRecord> record =
        document::ParseBlockRecord(level.BlockList[index]);
    if (!record) continue;
    clip.blocks.push_back(
        {record->column - region.column, record->row - region.row, record->flags, record->name});
  }
  for (const InnerLink& inner : InnerLinks(level, region)) {
    const document::LinkRecord& link = inner.link;
    clip.links.push_back({link.startColumn - region.column, link.startRow - region.row,
                          link.endColumn - region.column, link.endRow - region.row});
  }
  return clip;
}

std::vector<document::ListEdit> EraseRegion(document::Level& level, const Region& region) {
  EditLog log(level);
  EraseRecords(log, region);
  return log.Take();
}

std::vector<document::ListEdit> PasteRegion(document::Level& level, const RegionClip& clip,
                                            const document::Cell& topLeft, const Grid& grid) {
  EditLog log(level);
  const std::vector<std::size_t> covered = RegionBlockIndices(
      level, OnGrid({topLeft.floor, topLeft.column, topLeft.row, clip.columns, clip.rows}, grid));
  for (auto index = covered.rbegin(); index != covered.rend(); ++index) log.RemoveBlock(*index);
  for (const ClipBlock& block : clip.blocks) {
    if (const auto cell = PlacedCell(topLeft, block.column, block.row, grid)) {
      log.AppendBlock(document::FormatBlockRecord(
          {cell->floor, cell->column, cell->row, block.flags, block.name}));
    }
  }
  if (clip.links.empty()) return log.Take();
  // Links already in the level, written alike so that equal numbers give equal texts.
  std::unordered_set<std::string> present;
  for (const std::string& text : level.LinkList) {
    if (const auto link = document::ParseLinkRecord(text))
      present.insert(document::FormatLinkRecord(*link));
  }
  for (const ClipLink& clipLink : clip.links) {
    const auto start = PlacedCell(topLeft, clipLink.startColumn, clipLink.startRow, grid);
    const auto end = PlacedCell(topLeft, clipLink.endColumn, clipLink.endRow, grid);
    if (!start || !end || *start == *end) continue;
    std::string text = document::FormatLinkRecord(
        {start->floor, start->column, start->row, end->floor, end->column, end->row});
    if (present.insert(text).second) log.AppendLink(std::move(text));
  }
  return log.Take();
}

}  // namespace cw::editor
