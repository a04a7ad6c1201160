#pragma once

#include <cstdint>

#include "formats/game_palettes.h"
#include "formats/palette_file.h"

namespace cw::textures {

using formats::Palette;
using formats::Rgb;

// A palette made for the kit's materials: sixteen ramps of sixteen shades each, dark to light
// (stone greys, sand, earth, slate, vault blue, wood, bronze, gold, rust, moss, teal, purple,
// iron), and two glowing ramps, fire and cyan, in the last 32 colours. For texture files that
// carry their own palette; Quake and Quake 2 draw theirs with the game's (formats/game_palettes.h).
Palette KitPalette();

// Which colours of a palette a game's texture may take. One that does not glow takes the indices
// 0 to lastPlain, one that glows 0 to lastGlowing.
struct TextureColours {
  Palette palette;
  int lastPlain = 255;
  int lastGlowing = 255;
};

// Quake draws its last 32 colours at full brightness whatever the light, so only a texture that
// glows takes them. Quake 2 draws colour 255 as transparent, and ericw-tools take it for
// transparent in the textures of both games, so no texture takes it.
TextureColours QuakeTextureColours(const Palette& palette = formats::QuakePalette());
TextureColours Quake2TextureColours(const Palette& palette = formats::Quake2Palette());
// Heretic II's .m8 textures carry their own palette, by default the kit's (KitPalette). The game
// draws none of its colours at full brightness; colour 255 is left out, as for Quake 2, so that
// no tool takes a pixel for transparent.
TextureColours Heretic2TextureColours(const Palette& palette = KitPalette());

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

}  // namespace cw::textures
