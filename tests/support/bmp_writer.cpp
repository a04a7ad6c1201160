#include "support/bmp_writer.h"

#include "platform/little_endian.h"
#include "support/test_files.h"

namespace cw::testing {

using platform::AppendLittleEndian;

std::uint32_t TestColour(std::uint8_t index) {
  return (std::uint32_t{index} << 16) | (std::uint32_t((index * 7) & 0xFF) << 8) |
         std::uint32_t(255 - index);
}

IndexedPicture SolidPicture(int width, int height, std::uint8_t index) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), index);
  for (int i = 0; i < 256; ++i) picture.palette[static_cast<std::size_t>(i)] = TestColour(i);
  return picture;
}

IndexedPicture NumberedPicture(int width, int height) {
  IndexedPicture picture = SolidPicture(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.Set(x, y, static_cast<std::uint8_t>(x + width * y));
  return picture;
}

std::string Bmp8Bytes(const IndexedPicture& picture) {
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(picture.width) + 3u) & ~3u;
  const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(picture.height);
  const std::uint32_t offset = 14 + 40 + 256 * 4;
  std::string bytes = "BM";
  AppendLittleEndian(bytes, offset + pixelBytes, 4);
  AppendLittleEndian(bytes, 0, 4);
  AppendLittleEndian(bytes, offset, 4);
  AppendLittleEndian(bytes, 40, 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(picture.width), 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(picture.height), 4);
  AppendLittleEndian(bytes, 1, 2);  // planes
  AppendLittleEndian(bytes, 8, 2);  // bits per pixel
  AppendLittleEndian(bytes, 0, 4);  // no compression
  AppendLittleEndian(bytes, pixelBytes, 4);
  AppendLittleEndian(bytes, 2835, 4);
  AppendLittleEndian(bytes, 2835, 4);
  AppendLittleEndian(bytes, 256, 4);
  AppendLittleEndian(bytes, 0, 4);
  for (std::uint32_t colour : picture.palette) {
    AppendLittleEndian(bytes, colour & 0xFFFFFFu, 3);  // blue, green, red
    bytes.push_back('\0');
  }
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) bytes.push_back(static_cast<char>(picture.At(x, y)));
    bytes.append(rowSize - static_cast<std::uint32_t>(picture.width), '\0');
  }
  return bytes;
}

void WriteBmp8(const std::filesystem::path& path, const IndexedPicture& picture) {
  WriteFileBytes(path, Bmp8Bytes(picture));
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
      result.Set(tx, ty, picture.At(x, y));
    }
  }
  return result;
}

}  // namespace cw::testing
