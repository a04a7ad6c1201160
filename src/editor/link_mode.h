#pragma once

#include <QFont>
#include <cstdint>

namespace cw::editor {

class Editor;

// The link steps that the mouse handlers and the floor change share. All draw on the floor canvas.

// The font of the floor numbers: the floor canvas's own font.
QFont FloorNumberFont(const Editor& editor);

// Starts a link drag at the canvas point (x, y) on the current floor and draws the rubber band.
void StartLinkDrag(Editor& editor, std::int32_t x, std::int32_t y);

// Draws the drag's rubber band in invert mode, which puts it on or takes it off.
void InvertRubberBand(Editor& editor);

// Copies FloorSnapshot back onto the floor canvas, which wipes the links, the rubber band and the
// marker. A snapshot of another size than the canvas (none taken yet) is not copied.
void RestoreFloorSnapshot(Editor& editor);

// The cell's link view: only the links that start or end at the cell (column, row) of the current
// floor are shown, and their counts go into the caption of the link mode box.
void ShowCellLinks(Editor& editor, std::int32_t column, std::int32_t row);

}  // namespace cw::editor
