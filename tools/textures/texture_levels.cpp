#include "textures/texture_levels.h"

#include <cassert>
#include <utility>

namespace cw::textures {

MipTexture MakeMipTexture(std::string name, const RgbImage& image, const Quantiser& quantiser) {
  assert(formats::IsMipTextureSize(image.width, image.height));
  MipTexture texture;
  texture.name = std::move(name);
  texture.width = image.width;
  texture.height = image.height;
  RgbImage level = image;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) level = HalfSize(level);
    std::vector<std::uint8_t>& pixels = texture.levels[static_cast<std::size_t>(i)];
    pixels.reserve(level.pixels.size());
    for (const Rgb& colour : level.pixels) pixels.push_back(quantiser.Nearest(colour));
  }
  return texture;
}

M8Texture MakeM8Texture(std::string name, const RgbImage& image, const Quantiser& quantiser) {
  M8Texture texture;
  texture.name = std::move(name);
  texture.width = image.width;
  texture.height = image.height;
  RgbImage level = image;
  for (std::size_t i = 0; i < formats::M8LevelSizes(image.width, image.height).size(); ++i) {
    if (i > 0) level = HalfSize(level);
    std::vector<std::uint8_t>& pixels = texture.levels.emplace_back();
    pixels.reserve(level.pixels.size());
    for (const Rgb& colour : level.pixels) pixels.push_back(quantiser.Nearest(colour));
  }
  return texture;
}

}  // namespace cw::textures
