#pragma once

#include <cstdint>
#include <filesystem>

#include "formats/bmp_file.h"

namespace cw::testing {

using formats::IndexedPicture;

// The colour of index i in the test palette: red is i itself, so every colour names its index.
std::uint32_t TestColour(std::uint8_t index);

// A picture in the test palette where every pixel has the same index.
IndexedPicture SolidPicture(int width, int height, std::uint8_t index);
// A picture in the test palette whose pixels all differ (as far as 256 indices allow): index
// (x + width * y) mod 256.
IndexedPicture NumberedPicture(int width, int height);

// The picture as an 8-bit BMP file (formats::EncodeBmp8).
void WriteBmp8(const std::filesystem::path& path, const IndexedPicture& picture);

}  // namespace cw::testing

namespace cw::testing {

// The picture turned by orientation flags, built pixel by pixel from where each pixel must end:
// 1 (W-1-x, y), 2 (x, H-1-y), 3 (W-1-x, H-1-y), 4 (y, N-1-x), 5 (N-1-y, N-1-x), 6 (y, x),
// 7 (N-1-y, x). A picture that isn't square drops the rotate bit; other values change nothing.
IndexedPicture OrientedByTable(const IndexedPicture& picture, int flags);

}  // namespace cw::testing
