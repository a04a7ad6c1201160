#include "formats/m8_file.h"

#include "platform/little_endian.h"

namespace cw::formats {
namespace {

constexpr std::size_t kLevels = 16;
constexpr std::size_t kNameSize = 32;
constexpr std::size_t kWidths = 4 + kNameSize;
constexpr std::size_t kHeights = kWidths + 4 * kLevels;
constexpr std::size_t kOffsets = kHeights + 4 * kLevels;
constexpr std::size_t kNextFrame = kOffsets + 4 * kLevels;
constexpr std::size_t kPalette = kNextFrame + kNameSize;
constexpr std::size_t kSurface = kPalette + 256 * 3;
constexpr std::uint32_t kLargestSide = 4096;

std::uint32_t Word(std::string_view bytes, std::size_t at) {
  return platform::ReadLittleEndian(bytes, at, 4);
}

// The text of a NUL-padded name field, up to its first NUL.
std::string NameField(std::string_view bytes, std::size_t at) {
  const std::string_view field = bytes.substr(at, kNameSize);
  return std::string(field.substr(0, field.find('\0')));
}

}  // namespace

std::optional<M8Texture> DecodeM8(std::string_view bytes) {
  static_assert(kSurface + 12 == kM8HeaderSize);
  if (bytes.size() < kM8HeaderSize || Word(bytes, 0) != kM8Version) return std::nullopt;
  M8Texture texture;
  texture.name = NameField(bytes, 4);
  texture.nextFrame = NameField(bytes, kNextFrame);
  for (std::size_t i = 0; i < 256; ++i) {
    for (std::size_t c = 0; c < 3; ++c) {
      texture.palette[i][c] = static_cast<std::uint8_t>(bytes[kPalette + 3 * i + c]);
    }
  }
  texture.flags = static_cast<std::int32_t>(Word(bytes, kSurface));
  texture.contents = static_cast<std::int32_t>(Word(bytes, kSurface + 4));
  texture.value = static_cast<std::int32_t>(Word(bytes, kSurface + 8));
  for (std::size_t i = 0; i < kLevels; ++i) {
    const std::uint32_t width = Word(bytes, kWidths + 4 * i);
    const std::uint32_t height = Word(bytes, kHeights + 4 * i);
    if (width == 0 || height == 0) break;
    if (width > kLargestSide || height > kLargestSide) return std::nullopt;
    const std::uint64_t offset = Word(bytes, kOffsets + 4 * i);
    const std::uint64_t size = std::uint64_t{width} * height;
    if (offset < kM8HeaderSize || offset + size > bytes.size()) return std::nullopt;
    M8Level& level = texture.levels.emplace_back();
    level.width = static_cast<int>(width);
    level.height = static_cast<int>(height);
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data() + offset);
    level.pixels.assign(first, first + size);
  }
  if (texture.levels.empty()) return std::nullopt;
  return texture;
}

}  // namespace cw::formats
