#include "kit/m8_file.h"

#include <cassert>
#include <cstdint>

#include "kit/mip_texture.h"
#include "platform/little_endian.h"

namespace cw::kit {
namespace {

constexpr std::uint32_t kVersion = 2;
constexpr std::size_t kNameSize = 32;
constexpr std::size_t kLevelSlots = 16;
constexpr std::size_t kHeaderSize =
    4 + kNameSize + 3 * 4 * kLevelSlots + kNameSize + 3 * 256 + 3 * 4;

void AppendWord(std::string& out, std::uint32_t value) {
  platform::AppendLittleEndian(out, value, 4);
}

// One entry for each of the 16 level slots: the value for the texture's levels, zero after.
template <typename ValueOf>
void AppendSlots(std::string& out, std::size_t levels, ValueOf valueOf) {
  for (std::size_t i = 0; i < kLevelSlots; ++i) {
    AppendWord(out, i < levels ? static_cast<std::uint32_t>(valueOf(i)) : 0);
  }
}

}  // namespace

std::string EncodeM8(const M8Texture& texture, const Palette& palette, const WalSurface& surface) {
  const std::vector<std::pair<int, int>> sizes = M8LevelSizes(texture.width, texture.height);
  assert(texture.levels.size() == sizes.size() && sizes.size() <= kLevelSlots);
  assert(!texture.name.empty() && texture.name.size() <= kMaxM8TextureName &&
         texture.name.find('\0') == std::string::npos);
  std::string out;
  AppendWord(out, kVersion);
  AppendNameField(out, texture.name, kNameSize);
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return sizes[i].first; });
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return sizes[i].second; });
  std::size_t offset = kHeaderSize;
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    assert(texture.levels[i].size() ==
           static_cast<std::size_t>(sizes[i].first) * static_cast<std::size_t>(sizes[i].second));
    offsets.push_back(offset);
    offset += texture.levels[i].size();
  }
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return offsets[i]; });
  AppendNameField(out, "", kNameSize);  // no next frame
  out += EncodePaletteFile(palette);
  AppendWord(out, static_cast<std::uint32_t>(surface.flags));
  AppendWord(out, static_cast<std::uint32_t>(surface.contents));
  AppendWord(out, static_cast<std::uint32_t>(surface.value));
  assert(out.size() == kHeaderSize);
  for (const std::vector<std::uint8_t>& level : texture.levels)
    out.append(level.begin(), level.end());
  return out;
}

}  // namespace cw::kit
