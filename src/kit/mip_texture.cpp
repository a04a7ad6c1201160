#include "kit/mip_texture.h"

#include <cassert>
#include <utility>

namespace cw::kit {

bool IsMipTextureSize(int width, int height) {
  return width > 0 && height > 0 && width <= 4096 && height <= 4096 && width % 16 == 0 &&
         height % 16 == 0;
}

std::size_t MipLevelSize(int width, int height, int level) {
  return static_cast<std::size_t>(width >> level) * static_cast<std::size_t>(height >> level);
}

MipTexture MakeMipTexture(std::string name, const RgbImage& image, const Quantiser& quantiser) {
  assert(IsMipTextureSize(image.width, image.height));
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

bool ReadMipLevels(std::string_view lump, const std::uint32_t (&offsets)[4], MipTexture& texture) {
  for (int i = 0; i < 4; ++i) {
    const std::size_t size = MipLevelSize(texture.width, texture.height, i);
    const std::size_t at = offsets[i];
    if (at > lump.size() || size > lump.size() - at) return false;
    const std::string_view bytes = lump.substr(at, size);
    texture.levels[static_cast<std::size_t>(i)].assign(bytes.begin(), bytes.end());
  }
  return true;
}

void AppendNameField(std::string& out, std::string_view name, std::size_t fieldSize) {
  out += name;
  out.append(fieldSize - name.size(), '\0');
}

std::string ReadNameField(std::string_view field) {
  return std::string(field.substr(0, field.find('\0')));
}

}  // namespace cw::kit
