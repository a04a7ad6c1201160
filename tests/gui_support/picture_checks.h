#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "support/bmp_writer.h"

// Texts of the windows in test messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// Pictures for the editor's tests and the checks of what the canvas shows.
namespace cw::testing {

// The opaque canvas colour of a test palette index.
QRgb CanvasColour(std::uint8_t index);

// Whether the canvas shows the picture with its top-left corner at (left, top), every pixel of
// it that lies on the canvas.
::testing::AssertionResult ShowsPicture(const QImage& canvas, int left, int top,
                                        const IndexedPicture& picture);

// A block's own 32 by 32 test picture: every block has its own colours and no picture looks the
// same after any turn or mirror, so a drawn cell tells which picture and orientation it shows.
IndexedPicture BlockTestPicture(const std::string& blockName);
// The colour of that picture's pixel (x, y).
QRgb TestPictureColour(const std::string& blockName, int x, int y);
// The block's test picture turned by flags, as the table of orientations gives it.
QImage OrientedTestPicture(const std::string& blockName, int flags);
// Whether the cell (column, row) of an image shows this 32 by 32 picture.
bool CellShows(const QImage& canvas, int column, int row, const QImage& picture);

}  // namespace cw::testing
