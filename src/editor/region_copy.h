#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/level.h"
#include "document/list_edit.h"
#include "document/records.h"
#include "editor/region.h"

namespace cw::editor {

// A block record of a copied region, its cell counted from the region's top-left cell.
struct ClipBlock {
  std::int32_t column = 0;
  std::int32_t row = 0;
  std::int32_t flags = 0;
  std::string name;
  bool operator==(const ClipBlock&) const = default;
};

// A link with both ends inside a copied region, its cells counted from the region's top-left.
struct ClipLink {
  std::int32_t startColumn = 0;
  std::int32_t startRow = 0;
  std::int32_t endColumn = 0;
  std::int32_t endRow = 0;
  bool operator==(const ClipLink&) const = default;
};

// What a copy keeps of a region: its size, the block records of its cells and its inner links,
// each in the order of its list. Records that do not parse are not kept.
struct RegionClip {
  std::int32_t columns = 0;
  std::int32_t rows = 0;
  std::vector<ClipBlock> blocks;
  std::vector<ClipLink> links;
  bool operator==(const RegionClip&) const = default;
};

RegionClip CopyRegion(const document::Level& level, const Region& region);

// Deletes every block record of the region's cells and every link with both ends inside it; links
// that leave the region stay. Returns the edits done, in order: one step of the history.
std::vector<document::ListEdit> EraseRegion(document::Level& level, const Region& region);

// Puts the clip's top-left cell at `topLeft`, on its floor: every block record of the cells the
// clip covers is deleted, the clip's records are appended with their cells moved, and its links
// are added between the moved cells unless the same link exists. Cells and links that would fall
// outside the floor's grid are left out. Returns the edits done, in order.
std::vector<document::ListEdit> PasteRegion(document::Level& level, const RegionClip& clip,
                                            const document::Cell& topLeft, const Grid& grid);

// The links of the region whose both ends lie inside it, as indices into LinkList with their
// parsed records.
struct InnerLink {
  std::size_t index = 0;
  document::LinkRecord link;
};
std::vector<InnerLink> InnerLinks(const document::Level& level, const Region& region);

// The part of the region that lies on the grid, possibly no cell (no columns or no rows).
Region OnGrid(const Region& region, const Grid& grid);

// The indices into BlockList of every record of the region's cells, in list order.
std::vector<std::size_t> RegionBlockIndices(const document::Level& level, const Region& region);

}  // namespace cw::editor
