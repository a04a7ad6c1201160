#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kit/mip_texture.h"

namespace cw::kit {

// The longest texture name a WAD2 directory holds: 16 bytes with a closing NUL.
inline constexpr std::size_t kMaxWadTextureName = 15;

// A Quake WAD2 file of textures: the header "WAD2", the number of entries and the directory's
// offset; then each texture as a miptex lump (its name in 16 bytes, width, height, the offsets of
// its four levels from the lump's start, then the levels); then the directory, 32 bytes an entry:
// the lump's offset in the file, its size twice (it is not compressed), the type 'D', no
// compression, two bytes of padding and the name in 16 bytes. Numbers are 32-bit little-endian.
// Every texture must have a mip texture size and a name of 1 to 15 characters without NUL.
std::string EncodeWad2(const std::vector<MipTexture>& textures);

struct Wad2Read {
  std::vector<MipTexture> textures;  // in directory order
  std::string problem;               // empty when the file was read whole
};

// Reads the textures of a WAD2 file; a file that is not one, or whose directory or lumps do not
// lie inside it or hold something else than textures of a mip texture size, gives a problem.
Wad2Read DecodeWad2(std::string_view bytes);

}  // namespace cw::kit
