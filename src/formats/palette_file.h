#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cw::formats {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// The 256 colours that an 8-bit texture's indices stand for.
using Palette = std::array<Rgb, 256>;

// A palette file: 768 bytes, red, green and blue of each colour in turn, as Quake's palette.lmp.
std::string EncodePaletteFile(const Palette& palette);

// Reads a palette from a 768-byte palette file, or from the 256-colour palette at the end of a
// PCX picture (a byte 12, then 768 bytes), as Quake 2's pics/colormap.pcx carries it. Empty for
// anything else.
std::optional<Palette> DecodePaletteFile(std::string_view bytes);

}  // namespace cw::formats
