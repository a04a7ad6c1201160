#pragma once

#include <cstddef>
#include <string>

#include "kit/m8_texture.h"
#include "kit/texture_palette.h"
#include "kit/wal_file.h"

namespace cw::kit {

// The longest texture name an .m8 file holds: 32 bytes with a closing NUL.
inline constexpr std::size_t kMaxM8TextureName = 31;

// A Heretic II .m8 texture, as the game's toolkit lays out its miptex_t: the version 2; the name
// in 32 bytes; the widths, the heights and the offsets from the file's start of 16 levels, the
// entries past the texture's last level zero; the name of the next frame of an animation in 32
// bytes (none here); the palette, 256 colours of red, green and blue; the surface flags, contents
// and value; then the pixels of each level. Numbers are 32-bit little-endian. The texture must
// have an .m8 size, the levels of M8LevelSizes and a name of 1 to 31 characters without NUL.
std::string EncodeM8(const M8Texture& texture, const Palette& palette, const WalSurface& surface);

}  // namespace cw::kit
