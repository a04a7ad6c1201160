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

bool EraseCell(Level& level, const Cell& cell) {
  const auto index = FindCellRecord(level, cell);
  if (!index) return false;
  level.BlockList.erase(std::next(level.BlockList.begin(), static_cast<std::ptrdiff_t>(*index)));
  return true;
}

Placement PlaceBlock(Level& level, const BlockRecord& record) {
  if (record.name == kUnknownBlockName) return Placement::kRefused;
  EraseCell(level, record.cell());
  if (record.name.empty()) return Placement::kErased;
  level.BlockList.push_back(FormatBlockRecord(record));
  return Placement::kPlaced;
}

LinkToggle ToggleLink(Level& level, const LinkRecord& link) {
  if (link.start() == link.end()) return LinkToggle::kRefused;
  for (auto it = level.LinkList.begin(); it != level.LinkList.end(); ++it) {
    const auto parsed = ParseLinkRecord(*it);
    if (parsed && *parsed == link) {
      level.LinkList.erase(it);
      return LinkToggle::kRemoved;
    }
  }
  level.LinkList.push_back(FormatLinkRecord(link));
  return LinkToggle::kAdded;
}

}  // namespace cw::document
