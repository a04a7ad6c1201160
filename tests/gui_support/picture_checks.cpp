#include "gui_support/picture_checks.h"

#include <QPoint>

namespace cw::testing {

namespace {

int NameSeed(const std::string& blockName) {
  int seed = 17;
  for (const char c : blockName) seed = (seed * 31 + static_cast<unsigned char>(c)) & 0xff;
  return seed;
}

// The palette index of a test picture's pixel.
int TestPictureIndex(int x, int y) {
  return (x * 5 + y * 11 + (x * y) % 7) & 0xff;
}

}  // namespace

QRgb CanvasColour(std::uint8_t index) {
  return 0xFF000000u | TestColour(index);
}

::testing::AssertionResult ShowsPicture(const QImage& canvas, int left, int top,
                                        const IndexedPicture& picture) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int cx = left + x;
      const int cy = top + y;
      if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height()) continue;
      const QRgb expected = CanvasColour(picture.At(x, y));
      if (canvas.pixel(cx, cy) != expected)
        return ::testing::AssertionFailure() << "pixel (" << cx << ", " << cy << ") is " << std::hex
                                             << canvas.pixel(cx, cy) << ", expected " << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

IndexedPicture BlockTestPicture(const std::string& blockName) {
  IndexedPicture picture = SolidPicture(32, 32, 0);
  for (int i = 0; i < 256; ++i) {
    picture.palette[static_cast<std::size_t>(i)] =
        qRgb(NameSeed(blockName), i, 255 - (i * 3 & 0xff)) & 0xFFFFFFu;
  }
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      picture.At(x, y) = static_cast<std::uint8_t>(TestPictureIndex(x, y));
  return picture;
}

QRgb TestPictureColour(const std::string& blockName, int x, int y) {
  const int index = TestPictureIndex(x, y);
  return qRgb(NameSeed(blockName), index, 255 - (index * 3 & 0xff));
}

QImage OrientedTestPicture(const std::string& blockName, int flags) {
  // Where the pixel (x, y) of a 32 by 32 picture goes for each orientation.
  QImage turned(32, 32, QImage::Format_RGB32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const int n = 31;
      QPoint to;
      switch (flags) {
        case 1:
          to = {n - x, y};
          break;
        case 2:
          to = {x, n - y};
          break;
        case 3:
          to = {n - x, n - y};
          break;
        case 4:
          to = {y, n - x};
          break;
        case 5:
          to = {n - y, n - x};
          break;
        case 6:
          to = {y, x};
          break;
        case 7:
          to = {n - y, x};
          break;
        default:
          to = {x, y};
          break;
      }
      turned.setPixel(to, TestPictureColour(blockName, x, y));
    }
  }
  return turned;
}

bool CellShows(const QImage& canvas, int column, int row, const QImage& picture) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (canvas.pixel(32 * column + x, 32 * row + y) != picture.pixel(x, y)) return false;
  return true;
}

}  // namespace cw::testing
