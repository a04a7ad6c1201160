#include "editor/link_drawing.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <string>
#include <vector>

#include "editor/marker.h"

namespace cw::editor {
namespace {

constexpr QRgb kGrey = 0xff808080u;
constexpr QRgb kRed = 0xffff0000u;
constexpr QRgb kWhite = 0xffffffffu;

QFont TestFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  return font;
}

QImage GreyCanvas() {
  QImage canvas(256, 160, QImage::Format_RGB32);
  canvas.fill(kGrey);
  return canvas;
}

QImage PatternedCanvas() {
  QImage canvas(256, 160, QImage::Format_RGB32);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, y, qRgb(x * 3, y * 5, x ^ y));
  return canvas;
}

document::LinkRecord Link(int f1, int c1, int r1, int f2, int c2, int r2) {
  return {f1, c1, r1, f2, c2, r2};
}

bool AnyPixelOf(const QImage& canvas, QRgb colour, QRect area) {
  area &= canvas.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (canvas.pixel(x, y) == colour) return true;
  return false;
}

struct Stroke {
  QPoint nearEnd;  // the last pixel drawn
  QPoint end;      // the end point, which the stroke leaves out
};

// The three worked links: each barb of the head is checked at its last drawn pixel and at the
// end point that it leaves out.
TEST(DrawLink, ArrowHeadsOfTheWorkedLinks) {
  struct Case {
    document::LinkRecord link;
    Stroke barbs[2];
  };
  const Case cases[] = {
      {Link(0, 0, 0, 0, 2, 0), {{{42, 10}, {41, 9}}, {{42, 22}, {41, 23}}}},
      {Link(0, 0, 0, 0, 2, 1), {{{46, 26}, {46, 25}}, {{42, 34}, {41, 34}}}},
      {Link(0, 2, 1, 0, 0, 0), {{{50, 38}, {50, 39}}, {{54, 30}, {55, 30}}}},
  };
  for (const Case& c : cases) {
    QImage canvas = GreyCanvas();
    DrawLink(canvas, TestFont(), c.link, 0);
    EXPECT_EQ(canvas.pixel(48, c.link.endRow == 0 && c.link.startRow == 0 ? 16 : 32), kRed);
    for (const Stroke& barb : c.barbs) {
      EXPECT_EQ(canvas.pixel(barb.nearEnd), kRed) << barb.nearEnd.x() << "," << barb.nearEnd.y();
      EXPECT_EQ(canvas.pixel(barb.end), kGrey) << barb.end.x() << "," << barb.end.y();
    }
  }
}

TEST(DrawLink, LineBetweenCentresWithWhiteFilledSquaresAtBothEnds) {
  QImage canvas = GreyCanvas();
  DrawLink(canvas, TestFont(), Link(0, 0, 0, 0, 2, 0), 0);
  EXPECT_EQ(canvas.pixel(30, 16), kRed);
  EXPECT_EQ(canvas.pixel(77, 16), kRed);
  // Squares from (x - 2, y - 2) to (x + 2, y + 2), right and bottom edges left out.
  for (const int cx : {16, 80}) {
    EXPECT_EQ(canvas.pixel(cx - 2, 14), kRed);
    EXPECT_EQ(canvas.pixel(cx + 1, 17), kRed);
    EXPECT_EQ(canvas.pixel(cx - 2, 17), kRed);
    EXPECT_EQ(canvas.pixel(cx, 16), kWhite);  // the centre, where the line ran, is filled
    EXPECT_EQ(canvas.pixel(cx - 1, 15), kWhite);
    EXPECT_EQ(canvas.pixel(cx + 2, 18), kGrey);  // the excluded corner
    EXPECT_EQ(canvas.pixel(cx + 2, 16),
              cx == 16 ? kRed : kGrey);  // the line leaves the start square
  }
  // Nothing beyond the end square or outside the line's rows.
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(83, 0, 173, 160)));
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(0, 24, 256, 136)));
}

TEST(DrawLink, LinkBetweenFloorsShowsTheOtherFloorsNumberAtItsEnd) {
  const document::LinkRecord link = Link(0, 1, 1, 2, 4, 1);
  // Seen on floor 0: a square at (48, 48) and the text "2" written from (144, 48).
  QImage floor0 = GreyCanvas();
  DrawLink(floor0, TestFont(), link, 0);
  EXPECT_EQ(floor0.pixel(46, 46), kRed);
  EXPECT_EQ(floor0.pixel(144, 48), kWhite);  // the text's opaque background at its top-left
  EXPECT_TRUE(AnyPixelOf(floor0, qRgb(0, 0, 0), QRect(144, 48, 12, 14)));
  EXPECT_EQ(floor0.pixel(143, 47), kGrey);  // no square at the far end
  EXPECT_EQ(floor0.pixel(100, 48), kRed);
  // Seen on floor 2: the text "0" from (48, 48), drawn over the line, and a square at (144, 48).
  QImage floor2 = GreyCanvas();
  DrawLink(floor2, TestFont(), link, 2);
  EXPECT_EQ(floor2.pixel(142, 46), kRed);
  EXPECT_EQ(floor2.pixel(48, 48), kWhite);
  EXPECT_NE(floor2.pixel(49, 48), kRed);  // the text's background covers the line
  EXPECT_TRUE(AnyPixelOf(floor2, qRgb(0, 0, 0), QRect(48, 48, 12, 14)));
  EXPECT_EQ(floor2.pixel(46, 46), kGrey);
  // Floor 1 holds neither end.
  QImage floor1 = GreyCanvas();
  DrawLink(floor1, TestFont(), link, 1);
  EXPECT_EQ(floor1, GreyCanvas());
}

TEST(DrawLink, SameCellOnAnotherFloorHasNoArrowHead) {
  QImage canvas = GreyCanvas();
  DrawLink(canvas, TestFont(), Link(0, 1, 1, 1, 1, 1), 0);
  // The square, then the number 1 written over it from the centre; nothing else.
  EXPECT_EQ(canvas.pixel(46, 46), kRed);
  EXPECT_EQ(canvas.pixel(48, 48), kWhite);
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(0, 0, 256, 46)));
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(0, 0, 46, 160)));
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(50, 0, 206, 160)));
}

TEST(DrawLink, NegativeFloorNumberIsWrittenWithItsSign) {
  QImage positive = GreyCanvas();
  DrawLink(positive, TestFont(), Link(0, 1, 1, 3, 3, 1), 0);
  QImage negative = GreyCanvas();
  DrawLink(negative, TestFont(), Link(0, 1, 1, -3, 3, 1), 0);
  EXPECT_NE(positive, negative);
}

TEST(DrawLink, FarOffEndIsDrawnAcrossTheCanvas) {
  QImage canvas = GreyCanvas();
  DrawLink(canvas, TestFont(), Link(0, 1, 1, 0, 2'000'000'000, 1), 0);
  EXPECT_EQ(canvas.pixel(255, 48), kRed);
  EXPECT_EQ(canvas.pixel(46, 46), kRed);
}

TEST(DrawFloorLinks, DrawsTheLinksOfTheFloorAndSkipsRecordsThatDoNotParse) {
  const std::vector<std::string> links = {"0 0 0 0 2 0", "garbage", "", "1 0 1 1 2 1",
                                          "0 0 4  0 2 4"};
  QImage canvas = GreyCanvas();
  DrawFloorLinks(canvas, TestFont(), links, 0);
  EXPECT_EQ(canvas.pixel(30, 16), kRed);
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(0, 40, 256, 16)));  // floor 1's link
  EXPECT_EQ(canvas.pixel(30, 144), kRed);                         // two blanks still parse
}

TEST(DrawCellLinks, ShowsAndCountsOnlyTheLinksOfTheCell) {
  const std::vector<std::string> links = {
      "0 1 1 0 3 1",  // out
      "0 5 4 0 7 4",  // elsewhere
      "0 1 3 0 1 1",  // in
      "0 1 1 1 6 1",  // out, to floor 1
      "1 1 1 0 4 4",  // starts on floor 1 at the same column and row: not out
      "x",
  };
  QImage canvas = GreyCanvas();
  const CellLinkCounts counts = DrawCellLinks(canvas, TestFont(), links, 0, 1, 1);
  EXPECT_EQ(counts, (CellLinkCounts{2, 1}));
  EXPECT_EQ(canvas.pixel(70, 48), kRed);
  EXPECT_EQ(canvas.pixel(48, 80), kRed);
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(160, 130, 96, 30)));  // (5, 4) -> (7, 4)
  EXPECT_FALSE(AnyPixelOf(canvas, kRed, QRect(120, 136, 30, 20)));  // (4, 4) end of 1 -> 0
}

TEST(InvertRubberBand, DrawnTwiceRestoresAlsoUnderTheMarkerInEitherOrder) {
  const QImage before = PatternedCanvas();
  LinkDrag drag;
  StartLinkDrag(drag, 0, 40, 50);
  drag.LinkEndX = 200;
  drag.LinkEndY = -30;
  QImage canvas = before;
  InvertRubberBand(canvas, drag);
  EXPECT_EQ(canvas.pixel(48, 48), ~before.pixel(48, 48) | 0xff000000u);
  ToggleMarker(canvas, 1, 1);
  InvertRubberBand(canvas, drag);
  EXPECT_NE(canvas, before);
  ToggleMarker(canvas, 1, 1);
  EXPECT_EQ(canvas, before);
}

TEST(LinkDrag, StartsAtTheCellCentreAndReleasesOnTheCellUnderThePoint) {
  LinkDrag drag;
  StartLinkDrag(drag, -2, 70, 40);
  EXPECT_TRUE(drag.LinkDragActive);
  EXPECT_EQ(drag.LinkStartFloor, -2);
  EXPECT_EQ(drag.LinkStartX, 80);
  EXPECT_EQ(drag.LinkStartY, 48);
  EXPECT_EQ(drag.LinkEndX, 70);
  EXPECT_EQ(drag.LinkEndY, 40);
  EXPECT_EQ(ReleasedLink(drag, 3, -20, 100), Link(-2, 2, 1, 3, 0, 3));
  EXPECT_EQ(ReleasedLink(drag, 3, -40, 2000), Link(-2, 2, 1, 3, -1, 62));
}

}  // namespace
}  // namespace cw::editor
