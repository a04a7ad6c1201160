#include "kit/m8_texture.h"

#include <cassert>

namespace cw::kit {
namespace {

constexpr int kLargestSide = 4096;

bool IsPowerOfTwo(int side) {
  return side > 0 && side <= kLargestSide && (side & (side - 1)) == 0;
}

}  // namespace

bool IsM8TextureSize(int width, int height) {
  return IsPowerOfTwo(width) && IsPowerOfTwo(height);
}

std::vector<std::pair<int, int>> M8LevelSizes(int width, int height) {
  assert(IsM8TextureSize(width, height));
  std::vector<std::pair<int, int>> sizes = {{width, height}};
  while (width > 1 || height > 1) {
    width = width > 1 ? width / 2 : 1;
    height = height > 1 ? height / 2 : 1;
    sizes.emplace_back(width, height);
  }
  return sizes;
}

M8Texture MakeM8Texture(std::string name, const RgbImage& image, const Quantiser& quantiser) {
  M8Texture texture;
  texture.name = std::move(name);
  texture.width = image.width;
  texture.height = image.height;
  RgbImage level = image;
  for (std::size_t i = 0; i < M8LevelSizes(image.width, image.height).size(); ++i) {
    if (i > 0) level = HalfSize(level);
    std::vector<std::uint8_t>& pixels = texture.levels.emplace_back();
    pixels.reserve(level.pixels.size());
    for (const Rgb& colour : level.pixels) pixels.push_back(quantiser.Nearest(colour));
  }
  return texture;
}

}  // namespace cw::kit
