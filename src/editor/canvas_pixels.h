#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <string_view>

#include "editor/link_geometry.h"

// Pixel-exact drawing on the floor canvas in the manner of the link code: lines that leave out
// their end pixel, lines that invert the pixels under them, small outlined squares and text on a
// white background. Everything is clipped to the canvas.
namespace cw::editor {

// A line in copy mode: every pixel from `from` up to, not including, `to` takes `colour`.
void DrawLine(QImage& canvas, PixelPoint from, PixelPoint to, QRgb colour);

// A line in invert mode: every pixel from `from` up to, not including, `to` is replaced by its
// complement, so drawing the same line twice restores the canvas.
void InvertLine(QImage& canvas, PixelPoint from, PixelPoint to);

// The box from (left, top) to (right, bottom) with its right and bottom edges left out: the
// outline in `outline`, the inside in `fill`.
void DrawBox(QImage& canvas, PixelPoint topLeft, PixelPoint bottomRight, QRgb outline, QRgb fill);

// Black text with its top-left corner at `topLeft`, on an opaque white background.
void WriteText(QImage& canvas, const QFont& font, PixelPoint topLeft, std::string_view text);

}  // namespace cw::editor
