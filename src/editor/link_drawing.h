#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/records.h"
#include "editor/link_drag.h"

// The link overlay of the floor canvas: red lines between cell centres, a small square at an end
// on the current floor, the other floor's number at an end on another floor, and an arrow head
// at the middle pointing toward the end cell.
namespace cw::editor {

inline constexpr QRgb kLinkColour = 0xffff0000u;

// Draws one link if one of its ends is on `currentFloor`; the numbers use `font`.
void DrawLink(QImage& canvas, const QFont& font, const document::LinkRecord& link,
              std::int32_t currentFloor);

// Draws, in list order, every link record with an end on `currentFloor`. Records that do not
// parse as links are skipped.
void DrawFloorLinks(QImage& canvas, const QFont& font, const std::vector<std::string>& linkList,
                    std::int32_t currentFloor);

struct CellLinkCounts {
  std::size_t out = 0;
  std::size_t in = 0;
  bool operator==(const CellLinkCounts&) const = default;
};

// The cell's link view: draws, in list order, only the links that start or end at the cell
// (column, row) of `currentFloor`, and counts them. A link that starts and ends there is drawn
// and counted once for each end.
CellLinkCounts DrawCellLinks(QImage& canvas, const QFont& font,
                             const std::vector<std::string>& linkList, std::int32_t currentFloor,
                             std::int32_t column, std::int32_t row);

// The rubber-band line of a drag, from the start cell's centre to the free end, in invert mode:
// drawing it a second time takes it off.
void InvertRubberBand(QImage& canvas, const LinkDrag& drag);

}  // namespace cw::editor
