#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::formats {

// A picture of palette indices, rows from the top, with a 256-colour palette of 0xRRGGBB values.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height, row by row from the top
  std::array<std::uint32_t, 256> palette{};

  IndexedPicture() = default;
  IndexedPicture(int w, int h) : width(w), height(h), pixels(Index(0, h), 0) {}
  std::uint8_t& At(int x, int y) { return pixels[Index(x, y)]; }
  std::uint8_t At(int x, int y) const { return pixels[Index(x, y)]; }
  bool operator==(const IndexedPicture&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
  }
};

// The bytes of an uncompressed 8-bit Windows BMP, as paint programs save 256-colour pictures and
// the editor reads block pictures: file header, 40-byte info header, 256 palette entries, rows
// from the bottom, each padded to a multiple of four bytes.
std::string EncodeBmp8(const IndexedPicture& picture);

// Reads an uncompressed, bottom-up 8-bit BMP with a 40-byte info header; empty for anything else.
std::optional<IndexedPicture> DecodeBmp8(std::string_view bytes);

}  // namespace cw::formats
