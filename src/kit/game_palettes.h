#pragma once

#include "kit/texture_palette.h"

namespace cw::kit {

// The palettes the games draw their textures with: a texture's colour index shows as this
// palette's colour in the game, whatever palette the texture was made with. Quake's is the one
// in its gfx/palette.lmp, Quake 2's the one at the end of its pics/colormap.pcx. Both are built
// into the GPL-licensed ericw-tools compilers, and Quake's into the GPL-licensed DarkPlaces
// engine, whose sources record that id Software let it be treated as public domain.
Palette QuakePalette();
Palette Quake2Palette();

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
TextureColours QuakeTextureColours(const Palette& palette = QuakePalette());
TextureColours Quake2TextureColours(const Palette& palette = Quake2Palette());
// Heretic II's .m8 textures carry their own palette, by default the kit's (KitPalette). The game
// draws none of its colours at full brightness; colour 255 is left out, as for Quake 2, so that
// no tool takes a pixel for transparent.
TextureColours Heretic2TextureColours(const Palette& palette = KitPalette());

}  // namespace cw::kit
