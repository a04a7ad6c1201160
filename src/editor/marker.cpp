#include "editor/marker.h"

#include "document/records.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace cw::editor {

namespace {

using document::kCellSize;
constexpr int kReach = 6;                         // how far the ring reaches beyond the cell
constexpr int kBoxSpan = kCellSize + 2 * kReach;  // 44 pixels across, edges included
}  // namespace

void ToggleMarker(QImage& canvas, int column, int row) {
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(QColor(0, 128, 0));
  pen.setWidth(1);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // The box's right and bottom edges lie outside the ring, so the ellipse spans kBoxSpan pixels;
  // Qt's outline covers width + 1 pixels.
  painter.drawEllipse(kCellSize * column - kReach, kCellSize * row - kReach, kBoxSpan - 1,
                      kBoxSpan - 1);
}

}  // namespace cw::editor
