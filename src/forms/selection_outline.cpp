#include "forms/selection_outline.h"

#include <QPainter>
#include <QPen>

#include "document/records.h"

namespace cw::forms {

QRect SelectionArea(const editor::Region& region, int zoom) {
  const int cell = document::kCellSize * zoom;
  return {region.column * cell, region.row * cell, region.columns * cell, region.rows * cell};
}

void DrawSelectionOutline(QPainter& painter, const editor::Region& region, int zoom) {
  const QRect area = SelectionArea(region, zoom);
  if (area.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  QPen white(Qt::white, 0, Qt::SolidLine);
  QPen dashes(Qt::black, 0, Qt::DashLine);
  // Two one-pixel rings, the outer on the cells' edge pixels, the inner one pixel in.
  for (const QRect& ring : {area.adjusted(0, 0, -1, -1), area.adjusted(1, 1, -2, -2)}) {
    painter.setPen(white);
    painter.drawRect(ring);
    painter.setPen(dashes);
    painter.drawRect(ring);
  }
  painter.restore();
}

}  // namespace cw::forms
