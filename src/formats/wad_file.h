#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/mip_texture.h"

namespace cw::formats {

// The longest texture name a WAD2 directory holds: 16 bytes with a closing NUL.
inline constexpr std::size_t kMaxWadTextureName = 15;

// A Quake WAD2 file of textures: the header "WAD2", the number of entries and the directory's
// offset; then each texture as a miptex lump (its name in 16 bytes, width, height, the offsets of
// its four levels from the lump's start, then the levels); then the directory, 32 bytes an entry:
// the lump's offset in the file, its size twice (it is not compressed), the type 'D', no
// compression, two bytes of padding and the name in 16 bytes. Numbers are 32-bit little-endian.
// Every texture must have a mip texture size and a name of 1 to 15 characters without NUL.
std::string EncodeWad2(const std::vector<MipTexture>& textures);

// One entry of a WAD2 directory: where its lump lies in the file, its size there and unpacked,
// its type ('D' for a texture), its compression (0 for none) and its name.
struct Wad2Entry {
  std::size_t offset = 0;
  std::size_t size = 0;
  std::size_t unpackedSize = 0;
  char type = 0;
  char compression = 0;
  std::string name;
};

struct Wad2Directory {
  std::vector<Wad2Entry> entries;  // in directory order
  std::string problem;             // empty when the directory was read whole
};

// Reads the directory of a WAD2 file, the names of its lumps without their bytes; a file that is
// not one, or whose directory does not lie inside it, gives a problem.
Wad2Directory ReadWad2Directory(std::string_view bytes);

struct Wad2Read {
  std::vector<MipTexture> textures;  // in directory order
  std::string problem;               // empty when the file was read whole
};

// Reads the textures of a WAD2 file; a file that is not one, or whose directory or lumps do not
// lie inside it or hold something else than textures of a mip texture size, gives a problem.
Wad2Read DecodeWad2(std::string_view bytes);

}  // namespace cw::formats
