#pragma once

#include <QRect>

#include "editor/region.h"

class QPainter;

namespace cw::forms {

// The pixels of the floor view's image control that a rectangle of cells covers: its canvas
// pixels, each a square of `zoom` by `zoom`.
QRect SelectionArea(const editor::Region& region, int zoom);

// Outlines the selected cells over the floor canvas as the control shows it: a dashed line two
// pixels wide, black dashes over white, just inside the cells' edge, so that it shows on any
// picture. It is drawn on the control only: the floor canvas keeps its pixels.
void DrawSelectionOutline(QPainter& painter, const editor::Region& region, int zoom);

}  // namespace cw::forms
