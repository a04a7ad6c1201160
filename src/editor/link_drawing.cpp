#include "editor/link_drawing.h"
#include "platform/number_format.h"

#include "editor/canvas_pixels.h"
#include "editor/link_geometry.h"

namespace cw::editor {

namespace {

constexpr QRgb kSquareFill = 0xffffffffu;
constexpr std::int64_t kSquareReach = 2;

// The mark at one end of a link: a square on the current floor, else the end's floor number.
void DrawEndMark(QImage& canvas, const QFont& font, PixelPoint centre, std::int32_t endFloor,
                 std::int32_t currentFloor) {
  if (endFloor == currentFloor) {
    DrawBox(canvas, {centre.x - kSquareReach, centre.y - kSquareReach},
            {centre.x + kSquareReach, centre.y + kSquareReach}, kLinkColour, kSquareFill);
  } else {
    WriteText(canvas, font, centre, platform::DecimalText(endFloor));
  }
}

}  // namespace

void DrawLink(QImage& canvas, const QFont& font, const document::LinkRecord& link,
              std::int32_t currentFloor) {
  if (link.startFloor != currentFloor && link.endFloor != currentFloor) return;
  const PixelPoint from = CellCentre(link.startColumn, link.startRow);
  const PixelPoint to = CellCentre(link.endColumn, link.endRow);
  DrawLine(canvas, from, to, kLinkColour);
  DrawEndMark(canvas, font, from, link.startFloor, currentFloor);
  DrawEndMark(canvas, font, to, link.endFloor, currentFloor);
  if (const auto head = LinkArrowHead(from, to)) {
    DrawLine(canvas, head->tip, head->barb1, kLinkColour);
    DrawLine(canvas, head->tip, head->barb2, kLinkColour);
  }
}

void DrawLinkOverlay(QImage& canvas, const QFont& font, const std::vector<std::string>& linkList,
                     std::int32_t currentFloor) {
  for (const std::string& text : linkList) {
    if (const auto link = document::ParseLinkRecord(text)) {
      DrawLink(canvas, font, *link, currentFloor);
    }
  }
}

CellLinkCounts DrawCellLinks(QImage& canvas, const QFont& font,
                             const std::vector<std::string>& linkList, std::int32_t currentFloor,
                             std::int32_t column, std::int32_t row) {
  const document::Cell cell{currentFloor, column, row};
  CellLinkCounts counts;
  for (const std::string& text : linkList) {
    const auto link = document::ParseLinkRecord(text);
    if (!link) continue;
    if (link->start() == cell) {
      ++counts.out;
      DrawLink(canvas, font, *link, currentFloor);
    }
    if (link->end() == cell) {
      ++counts.in;
      DrawLink(canvas, font, *link, currentFloor);
    }
  }
  return counts;
}

}  // namespace cw::editor
