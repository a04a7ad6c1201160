#include "support/bmp_writer.h"

#include <algorithm>

#include "support/test_files.h"

namespace cw::testing {

std::uint32_t TestColour(std::uint8_t index) {
  return (std::uint32_t{index} << 16) | (std::uint32_t((index * 7) & 0xFF) << 8) |
         std::uint32_t(255 - index);
}

IndexedPicture SolidPicture(int width, int height, std::uint8_t index) {
  IndexedPicture picture(width, height);
  std::fill(picture.pixels.begin(), picture.pixels.end(), index);
  for (int i = 0; i < 256; ++i) picture.palette[static_cast<std::size_t>(i)] = TestColour(i);
  return picture;
}

IndexedPicture NumberedPicture(int width, int height) {
  IndexedPicture picture = SolidPicture(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.At(x, y) = static_cast<std::uint8_t>(x + width * y);
  return picture;
}

void WriteBmp8(const std::filesystem::path& path, const IndexedPicture& picture) {
  WriteFileBytes(path, formats::EncodeBmp8(picture));
}

}  // namespace cw::testing

namespace cw::testing {

IndexedPicture OrientedByTable(const IndexedPicture& picture, int flags) {
  const int w = picture.width;
  const int h = picture.height;
  if (flags < 0 || flags > 7) return picture;
  if (w != h && flags > 3) flags -= 4;
  IndexedPicture result = picture;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int tx = x;
      int ty = y;
      switch (flags) {
        case 1:
          tx = w - 1 - x;
          break;
        case 2:
          ty = h - 1 - y;
          break;
        case 3:
          tx = w - 1 - x;
          ty = h - 1 - y;
          break;
        case 4:
          tx = y;
          ty = w - 1 - x;
          break;
        case 5:
          tx = w - 1 - y;
          ty = w - 1 - x;
          break;
        case 6:
          tx = y;
          ty = x;
          break;
        case 7:
          tx = w - 1 - y;
          ty = x;
          break;
        default:
          break;
      }
      result.At(tx, ty) = picture.At(x, y);
    }
  }
  return result;
}

}  // namespace cw::testing
