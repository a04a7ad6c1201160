#include "formats/m8_file.h"

#include <cassert>
#include <cstdint>

#include "formats/mip_texture.h"
#include "platform/little_endian.h"

namespace cw::formats {
namespace {

constexpr int kM8LargestSide = 4096;

bool IsPowerOfTwo(int side) {
  return side > 0 && side <= kM8LargestSide && (side & (side - 1)) == 0;
}

constexpr std::uint32_t kM8Version = 2;
constexpr std::size_t kM8NameSize = 32;
constexpr std::size_t kM8LevelSlots = 16;
constexpr std::size_t kM8HeaderSize =
    4 + kM8NameSize + 3 * 4 * kM8LevelSlots + kM8NameSize + 3 * 256 + 3 * 4;

void AppendWord(std::string& out, std::uint32_t value) {
  platform::AppendLittleEndian(out, value, 4);
}

// One entry for each of the 16 level slots: the value for the texture's levels, zero after.
template <typename ValueOf>
void AppendSlots(std::string& out, std::size_t levels, ValueOf valueOf) {
  for (std::size_t i = 0; i < kM8LevelSlots; ++i) {
    AppendWord(out, i < levels ? static_cast<std::uint32_t>(valueOf(i)) : 0);
  }
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

std::string EncodeM8(const M8Texture& texture, const Palette& palette, const WalSurface& surface) {
  const std::vector<std::pair<int, int>> sizes = M8LevelSizes(texture.width, texture.height);
  assert(texture.levels.size() == sizes.size() && sizes.size() <= kM8LevelSlots);
  assert(!texture.name.empty() && texture.name.size() <= kMaxM8TextureName &&
         texture.name.find('\0') == std::string::npos);
  std::string out;
  AppendWord(out, kM8Version);
  AppendNameField(out, texture.name, kM8NameSize);
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return sizes[i].first; });
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return sizes[i].second; });
  std::size_t offset = kM8HeaderSize;
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    assert(texture.levels[i].size() ==
           static_cast<std::size_t>(sizes[i].first) * static_cast<std::size_t>(sizes[i].second));
    offsets.push_back(offset);
    offset += texture.levels[i].size();
  }
  AppendSlots(out, sizes.size(), [&](std::size_t i) { return offsets[i]; });
  AppendNameField(out, "", kM8NameSize);  // no next frame
  out += EncodePaletteFile(palette);
  AppendWord(out, static_cast<std::uint32_t>(surface.flags));
  AppendWord(out, static_cast<std::uint32_t>(surface.contents));
  AppendWord(out, static_cast<std::uint32_t>(surface.value));
  assert(out.size() == kM8HeaderSize);
  for (const std::vector<std::uint8_t>& level : texture.levels)
    out.append(level.begin(), level.end());
  return out;
}

std::optional<M8Read> DecodeM8(std::string_view bytes) {
  if (bytes.size() < kM8HeaderSize || platform::ReadWord(bytes, 0) != kM8Version)
    return std::nullopt;
  constexpr std::size_t kWidths = 4 + kM8NameSize;
  constexpr std::size_t kHeights = kWidths + 4 * kM8LevelSlots;
  constexpr std::size_t kOffsets = kHeights + 4 * kM8LevelSlots;
  constexpr std::size_t kNextFrame = kOffsets + 4 * kM8LevelSlots;
  constexpr std::size_t kPalette = kNextFrame + kM8NameSize;
  constexpr std::size_t kSurface = kPalette + 3 * 256;
  M8Read read;
  read.texture.name = ReadNameField(bytes.substr(4, kM8NameSize));
  for (std::size_t i = 0; i < kM8LevelSlots; ++i) {
    const std::uint32_t width = platform::ReadWord(bytes, kWidths + 4 * i);
    const std::uint32_t height = platform::ReadWord(bytes, kHeights + 4 * i);
    if (width == 0 || height == 0) break;
    if (width > kM8LargestSide || height > kM8LargestSide) return std::nullopt;
    const std::size_t at = platform::ReadWord(bytes, kOffsets + 4 * i);
    const std::size_t size = std::size_t{width} * height;
    if (at < kM8HeaderSize || at > bytes.size() || size > bytes.size() - at) return std::nullopt;
    const std::string_view pixels = bytes.substr(at, size);
    read.texture.levels.emplace_back(pixels.begin(), pixels.end());
    if (i == 0) {
      read.texture.width = static_cast<int>(width);
      read.texture.height = static_cast<int>(height);
    }
  }
  if (read.texture.levels.empty()) return std::nullopt;
  read.nextFrame = ReadNameField(bytes.substr(kNextFrame, kM8NameSize));
  read.palette = *DecodePaletteFile(bytes.substr(kPalette, 3 * 256));
  read.surface.flags = static_cast<std::int32_t>(platform::ReadWord(bytes, kSurface));
  read.surface.contents = static_cast<std::int32_t>(platform::ReadWord(bytes, kSurface + 4));
  read.surface.value = static_cast<std::int32_t>(platform::ReadWord(bytes, kSurface + 8));
  return read;
}

}  // namespace cw::formats
