#pragma once

#include <QImage>

namespace cw::editor {

// The cell marker: a green ring around the cell (column, row), drawn in exclusive-or mode so that
// drawing it a second time at the same cell takes it off and restores every pixel beneath. The
// ring is inscribed in the box from (32c - 6, 32r - 6) to (32c + 38, 32r + 38), right and bottom
// edges excluded, and is not filled.
void ToggleMarker(QImage& canvas, int column, int row);

}  // namespace cw::editor
