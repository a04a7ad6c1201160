#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/palette_file.h"
#include "formats/wal_file.h"

namespace cw::formats {

// The longest texture name an .m8 file holds: 32 bytes with a closing NUL.
inline constexpr std::size_t kMaxM8TextureName = 31;

// A texture as Heretic II's .m8 files hold it: palette indices at full size, then at every half
// size down to one pixel, rows from the top.
struct M8Texture {
  std::string name;
  int width = 0;
  int height = 0;
  std::vector<std::vector<std::uint8_t>> levels;
  bool operator==(const M8Texture&) const = default;
};

// Heretic II textures have sides that are powers of two; the files here take them up to 4096.
bool IsM8TextureSize(int width, int height);

// The width and height of each level of a texture of that size: the full size, then each side
// halved until both are one pixel, a side of one staying one, as the game's texture tool makes
// them. A texture of up to 4096 pixels a side has at most 13 levels.
std::vector<std::pair<int, int>> M8LevelSizes(int width, int height);

// A Heretic II .m8 texture, as the game's toolkit lays out its miptex_t: the version 2; the name
// in 32 bytes; the widths, the heights and the offsets from the file's start of 16 levels, the
// entries past the texture's last level zero; the name of the next frame of an animation in 32
// bytes (none here); the palette, 256 colours of red, green and blue; the surface flags, contents
// and value; then the pixels of each level. Numbers are 32-bit little-endian. The texture must
// have an .m8 size, the levels of M8LevelSizes and a name of 1 to 31 characters without NUL.
std::string EncodeM8(const M8Texture& texture, const Palette& palette, const WalSurface& surface);

struct M8Read {
  M8Texture texture;
  Palette palette;
  WalSurface surface;
  std::string nextFrame;
};

// Reads an .m8 file: its levels are those of the header's slots up to the first without a width
// and height, each of sides from 1 to 4096. Empty when the file is too short, is not of version
// 2, has no level, or a level does not lie inside the file past its header.
std::optional<M8Read> DecodeM8(std::string_view bytes);

}  // namespace cw::formats
