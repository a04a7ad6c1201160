#pragma once

#include "formats/palette_file.h"

namespace cw::formats {

// The palettes the games draw their textures with: a texture's colour index shows as this
// palette's colour in the game, whatever palette the texture was made with. Quake's is the one
// in its gfx/palette.lmp, Quake 2's the one at the end of its pics/colormap.pcx. Both are built
// into the GPL-licensed ericw-tools compilers, and Quake's into the GPL-licensed DarkPlaces
// engine, whose sources record that id Software let it be treated as public domain.
Palette QuakePalette();
Palette Quake2Palette();

}  // namespace cw::formats
