#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kit/rgb_image.h"

namespace cw::kit {

using Palette = std::array<Rgb, 256>;

// A palette made for the kit's materials: sixteen ramps of sixteen shades each, dark to light
// (stone greys, sand, earth, slate, vault blue, wood, bronze, gold, rust, moss, teal, purple,
// iron), and two glowing ramps, fire and cyan, in the last 32 colours. For texture files that
// carry their own palette; Quake and Quake 2 draw theirs with the game's (kit/game_palettes.h).
Palette KitPalette();

// A palette file: 768 bytes, red, green and blue of each colour in turn, as Quake's palette.lmp.
std::string EncodePaletteFile(const Palette& palette);

// Reads a palette from a 768-byte palette file, or from the 256-colour palette at the end of a
// PCX picture (a byte 12, then 768 bytes), as Quake 2's pics/colormap.pcx carries it. Empty for
// anything else.
std::optional<Palette> DecodePaletteFile(std::string_view bytes);

// Finds for each colour the nearest palette colour among the indices first to last: the least
// sum of the squared differences of red, green and blue; of equally near ones the lowest index.
class Quantiser {
 public:
  Quantiser(const Palette& palette, int first, int last);
  std::uint8_t Nearest(Rgb colour) const;

 private:
  Palette palette_;
  int first_;
  int last_;
};

}  // namespace cw::kit
