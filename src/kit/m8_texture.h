#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "kit/rgb_image.h"
#include "kit/texture_palette.h"

namespace cw::kit {

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

// The texture of a full-colour picture: each level is the one before at half size, its pixels
// means of the full-colour pixels, then matched to the palette by the quantiser. The size must
// be an .m8 texture size.
M8Texture MakeM8Texture(std::string name, const RgbImage& image, const Quantiser& quantiser);

}  // namespace cw::kit
