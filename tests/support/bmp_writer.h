#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cw::testing {

// A picture of palette indices, row by row from the top, with a 256-colour palette (0xRRGGBB).
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  std::array<std::uint32_t, 256> palette{};

  std::uint8_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  void Set(int x, int y, std::uint8_t index) {
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = index;
  }
};

// The colour of index i in the test palette: red is i itself, so every colour names its index.
std::uint32_t TestColour(std::uint8_t index);

// A picture in the test palette where every pixel has the same index.
IndexedPicture SolidPicture(int width, int height, std::uint8_t index);
// A picture in the test palette whose pixels all differ (as far as 256 indices allow): index
// (x + width * y) mod 256.
IndexedPicture NumberedPicture(int width, int height);

// The bytes of an uncompressed Windows BMP with 8 bits per pixel, rows stored bottom-up and
// padded to four bytes, as paint programs save 256-colour pictures.
std::string Bmp8Bytes(const IndexedPicture& picture);
void WriteBmp8(const std::filesystem::path& path, const IndexedPicture& picture);

}  // namespace cw::testing

namespace cw::testing {

// The picture turned by orientation flags, built pixel by pixel from where each pixel must end:
// 1 (W-1-x, y), 2 (x, H-1-y), 3 (W-1-x, H-1-y), 4 (y, N-1-x), 5 (N-1-y, N-1-x), 6 (y, x),
// 7 (N-1-y, x). A picture that isn't square drops the rotate bit; other values change nothing.
IndexedPicture OrientedByTable(const IndexedPicture& picture, int flags);

}  // namespace cw::testing
