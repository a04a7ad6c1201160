#include "editor/marker.h"

#include <gtest/gtest.h>

#include <QImage>

namespace cw::editor {
namespace {

QImage PatternedCanvas(int width, int height) {
  QImage canvas(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      canvas.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x ^ y) & 255));
  return canvas;
}

// The pixels the marker changed, as the bounding box of every changed pixel.
QRect ChangedBox(const QImage& before, const QImage& after) {
  QRect box;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(ToggleMarker, RingFillsTheBoxWithRightAndBottomEdgesExcluded) {
  const QImage before = PatternedCanvas(160, 160);
  QImage canvas = before;
  ToggleMarker(canvas, 2, 1);
  // Cell (2, 1): the box from (58, 26) to (102, 70), right and bottom edges not drawn.
  EXPECT_EQ(ChangedBox(before, canvas), QRect(QPoint(58, 26), QPoint(101, 69)));
  // A ring, not a disc: the cell's centre keeps its colour.
  EXPECT_EQ(canvas.pixel(80, 48), before.pixel(80, 48));
}

TEST(ToggleMarker, CombinesTheRingWithGreenByExclusiveOr) {
  QImage canvas(96, 96, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  ToggleMarker(canvas, 1, 1);
  // Leftmost point of the ring, on the horizontal through the centre: white ^ (0, 128, 0).
  EXPECT_EQ(canvas.pixel(26, 48) & 0xffffff, qRgb(255, 127, 255) & 0xffffff);
  canvas.fill(Qt::black);
  ToggleMarker(canvas, 1, 1);
  EXPECT_EQ(canvas.pixel(26, 48) & 0xffffff, qRgb(0, 128, 0) & 0xffffff);
}

TEST(ToggleMarker, DrawnTwiceRestoresEveryPixel) {
  // Cells at the edges too: the ring is cut off by the canvas and must still undo itself.
  for (const QPoint cell : {QPoint(0, 0), QPoint(2, 1), QPoint(4, 4), QPoint(-1, 3)}) {
    const QImage before = PatternedCanvas(160, 160);
    QImage canvas = before;
    ToggleMarker(canvas, cell.x(), cell.y());
    EXPECT_NE(canvas, before) << cell.x() << "," << cell.y();
    ToggleMarker(canvas, cell.x(), cell.y());
    EXPECT_EQ(canvas, before) << cell.x() << "," << cell.y();
  }
}

TEST(ToggleMarker, TwoMarkersOverlapAndComeOffInEitherOrder) {
  const QImage before = PatternedCanvas(160, 160);
  QImage canvas = before;
  ToggleMarker(canvas, 1, 1);
  ToggleMarker(canvas, 2, 1);
  ToggleMarker(canvas, 1, 1);
  QImage onlySecond = before;
  ToggleMarker(onlySecond, 2, 1);
  EXPECT_EQ(canvas, onlySecond);
}

}  // namespace
}  // namespace cw::editor
