#include "document/level_edit.h"

#include <iterator>

namespace cw::document {

std::optional<std::size_t> FindCellRecord(const Level& level, const Cell& cell) {
  for (std::size_t i = 0; i < level.BlockList.size(); ++i) {
    const auto parsed = ParseCell(level.BlockList[i]);
    if (parsed && *parsed == cell) return i;
  }
  return std::nullopt;
}

std::optional<BlockRecord> FindBlockAt(const Level& level, const Cell& cell) {
  for (const std::string& text : level.BlockList) {
    const auto record = ParseBlockRecord(text);
    if (record && record->cell() == cell) return record;
  }
  return std::nullopt;
}

Placement PlaceBlock(Level& level, const BlockRecord& record, ListEdit* done) {
  if (record.name == kUnknownBlockName) return Placement::kRefused;
  ListEdit edit{LevelList::kBlocks, std::nullopt, std::nullopt};
  if (const auto index = FindCellRecord(level, record.cell())) {
    edit.removed = RecordAt{*index, std::move(level.BlockList[*index])};
    level.BlockList.erase(std::next(level.BlockList.begin(), static_cast<std::ptrdiff_t>(*index)));
  }
  const Placement placement = record.name.empty() ? Placement::kErased : Placement::kPlaced;
  if (placement == Placement::kPlaced) {
    level.BlockList.push_back(FormatBlockRecord(record));
    edit.added = RecordAt{level.BlockList.size() - 1, level.BlockList.back()};
  }
  if (done) *done = std::move(edit);
  return placement;
}

LinkToggle ToggleLink(Level& level, const LinkRecord& link, ListEdit* done) {
  if (link.start() == link.end()) return LinkToggle::kRefused;
  ListEdit edit{LevelList::kLinks, std::nullopt, std::nullopt};
  LinkToggle toggle = LinkToggle::kAdded;
  for (auto it = level.LinkList.begin(); it != level.LinkList.end(); ++it) {
    const auto parsed = ParseLinkRecord(*it);
    if (parsed && *parsed == link) {
      edit.removed =
          RecordAt{static_cast<std::size_t>(it - level.LinkList.begin()), std::move(*it)};
      level.LinkList.erase(it);
      toggle = LinkToggle::kRemoved;
      break;
    }
  }
  if (toggle == LinkToggle::kAdded) {
    level.LinkList.push_back(FormatLinkRecord(link));
    edit.added = RecordAt{level.LinkList.size() - 1, level.LinkList.back()};
  }
  if (done) *done = std::move(edit);
  return toggle;
}

}  // namespace cw::document
