#include "formats/mip_texture.h"

namespace cw::formats {

bool IsMipTextureSize(int width, int height) {
  return width > 0 && height > 0 && width <= 4096 && height <= 4096 && width % 16 == 0 &&
         height % 16 == 0;
}

std::size_t MipLevelSize(int width, int height, int level) {
  return static_cast<std::size_t>(width >> level) * static_cast<std::size_t>(height >> level);
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

}  // namespace cw::formats
