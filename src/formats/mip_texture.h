#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw::formats {

// A texture as Quake's texture files hold it: palette indices at full size and at a half, a
// quarter and an eighth of it, rows from the top.
struct MipTexture {
  std::string name;
  int width = 0;
  int height = 0;
  std::array<std::vector<std::uint8_t>, 4> levels;
  bool operator==(const MipTexture&) const = default;
};

// Quake's compilers take textures whose sides are positive multiples of 16 (so that the eighth
// is whole); the files here take them up to 4096.
bool IsMipTextureSize(int width, int height);

// The fixed-size, NUL-padded name fields of texture files: written, and read back up to the
// first NUL.
void AppendNameField(std::string& out, std::string_view name, std::size_t fieldSize);
std::string ReadNameField(std::string_view field);

// The number of pixels of mip level `level` (0 to 3).
std::size_t MipLevelSize(int width, int height, int level);

// Reads the four levels of a texture of the given size from the bytes of a texture lump, the
// level at offsets[i] from the lump's start; false when a level does not lie inside the lump.
bool ReadMipLevels(std::string_view lump, const std::uint32_t (&offsets)[4], MipTexture& texture);

}  // namespace cw::formats
