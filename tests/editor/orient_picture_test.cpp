#include "editor/orient_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "support/bmp_writer.h"

namespace cw::editor {
namespace {

using cw::testing::IndexedPicture;
using cw::testing::NumberedPicture;
using cw::testing::OrientedByTable;

QImage ToImage(const IndexedPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_Indexed8);
  image.setColorCount(256);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) image.scanLine(y)[x] = picture.At(x, y);
  return image;
}

// Every pixel of the image against the picture; the first difference is named.
::testing::AssertionResult SamePixels(const QImage& image, const IndexedPicture& picture) {
  if (image.width() != picture.width || image.height() != picture.height)
    return ::testing::AssertionFailure() << "size " << image.width() << "x" << image.height();
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (image.constScanLine(y)[x] != picture.At(x, y))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ")";
  return ::testing::AssertionSuccess();
}

struct PictureSize {
  int width;
  int height;
};

class OrientPictureSizes : public ::testing::TestWithParam<PictureSize> {};

TEST_P(OrientPictureSizes, EveryValueMovesEachPixelWhereTheTableSays) {
  const IndexedPicture original = NumberedPicture(GetParam().width, GetParam().height);
  for (int flags = 0; flags <= 7; ++flags) {
    SCOPED_TRACE(flags);
    QImage image = ToImage(original);
    OrientPicture(image, flags);
    EXPECT_TRUE(SamePixels(image, OrientedByTable(original, flags)));
  }
}

TEST_P(OrientPictureSizes, ValuesOutsideTheRangeChangeNothing) {
  const IndexedPicture original = NumberedPicture(GetParam().width, GetParam().height);
  for (int flags : {-1, -4, 8, 11, 12, 1000}) {
    SCOPED_TRACE(flags);
    QImage image = ToImage(original);
    OrientPicture(image, flags);
    EXPECT_TRUE(SamePixels(image, original));
  }
}

// Even and odd sides (the centre pixel and the middle row), a single pixel, a padded stride,
// and pictures that aren't square, wide and tall.
INSTANTIATE_TEST_SUITE_P(
    Sizes, OrientPictureSizes,
    ::testing::Values(PictureSize{32, 32}, PictureSize{4, 4}, PictureSize{5, 5}, PictureSize{1, 1},
                      PictureSize{7, 7}, PictureSize{6, 3}, PictureSize{3, 5}, PictureSize{33, 32}),
    [](const ::testing::TestParamInfo<PictureSize>& info) {
      return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
    });

TEST(OrientPicture, CornersOfASquarePictureEndWhereTheyShould) {
  // (0, 0) and (5, 0) of a 32 by 32 picture, for the values 1 to 7.
  const QPoint corner[] = {{31, 0}, {0, 31}, {31, 31}, {0, 31}, {31, 31}, {0, 0}, {31, 0}};
  const QPoint fifth[] = {{26, 0}, {5, 31}, {26, 31}, {0, 26}, {31, 26}, {0, 5}, {31, 5}};
  for (int flags = 1; flags <= 7; ++flags) {
    SCOPED_TRACE(flags);
    QImage image(32, 32, QImage::Format_Indexed8);
    image.fill(0);
    image.scanLine(0)[0] = 1;
    image.scanLine(0)[5] = 2;
    OrientPicture(image, flags);
    const QPoint a = corner[flags - 1];
    const QPoint b = fifth[flags - 1];
    EXPECT_EQ(image.constScanLine(a.y())[a.x()], 1);
    EXPECT_EQ(image.constScanLine(b.y())[b.x()], 2);
  }
}

TEST(OrientPicture, PicturesOfFourBytesPerPixelMoveWholePixels) {
  QImage image(5, 5, QImage::Format_RGB32);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x, y, 7));
  OrientPicture(image, 7);  // quarter turn clockwise: (x, y) goes to (4 - y, x)
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(image.pixel(4 - y, x), qRgb(x, y, 7));
}

TEST(OrientPicture, LeavesTheCallersPictureCopiesAlone) {
  const QImage original = ToImage(NumberedPicture(8, 8));
  QImage turned = original;  // shares its pixels until written
  OrientPicture(turned, 4);
  EXPECT_TRUE(SamePixels(original, NumberedPicture(8, 8)));
  EXPECT_FALSE(SamePixels(turned, NumberedPicture(8, 8)));
}

}  // namespace
}  // namespace cw::editor
