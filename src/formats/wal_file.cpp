#include "formats/wal_file.h"

#include <cassert>

#include "platform/little_endian.h"

namespace cw::formats {
namespace {

constexpr std::size_t kNameSize = 32;
constexpr std::size_t kHeaderSize = kNameSize + 4 * 6 + kNameSize + 4 * 3;

void AppendName(std::string& out, std::string_view name) {
  AppendNameField(out, name, kNameSize);
}

std::uint32_t Word(std::string_view bytes, std::size_t at) {
  return platform::ReadLittleEndian(bytes, at, 4);
}

void AppendSigned(std::string& out, std::int32_t value) {
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(value), 4);
}

}  // namespace

std::string EncodeWal(const MipTexture& texture, const WalSurface& surface) {
  assert(IsMipTextureSize(texture.width, texture.height));
  assert(!texture.name.empty() && texture.name.size() <= kMaxWalTextureName &&
         texture.name.find('\0') == std::string::npos);
  std::string out;
  AppendName(out, texture.name);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(texture.width), 4);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(texture.height), 4);
  std::size_t offset = kHeaderSize;
  for (int i = 0; i < 4; ++i) {
    platform::AppendLittleEndian(out, static_cast<std::uint32_t>(offset), 4);
    offset += MipLevelSize(texture.width, texture.height, i);
  }
  AppendName(out, "");  // no next frame
  AppendSigned(out, surface.flags);
  AppendSigned(out, surface.contents);
  AppendSigned(out, surface.value);
  for (const std::vector<std::uint8_t>& level : texture.levels)
    out.append(level.begin(), level.end());
  return out;
}

std::optional<WalRead> DecodeWal(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  WalRead read;
  read.texture.name = ReadNameField(bytes.substr(0, kNameSize));
  const std::uint32_t width = Word(bytes, 32);
  const std::uint32_t height = Word(bytes, 36);
  read.texture.width = width > 4096 ? 0 : static_cast<int>(width);
  read.texture.height = height > 4096 ? 0 : static_cast<int>(height);
  if (!IsMipTextureSize(read.texture.width, read.texture.height)) return std::nullopt;
  const std::uint32_t offsets[4] = {Word(bytes, 40), Word(bytes, 44), Word(bytes, 48),
                                    Word(bytes, 52)};
  read.nextFrame = ReadNameField(bytes.substr(56, kNameSize));
  read.surface.flags = static_cast<std::int32_t>(Word(bytes, 88));
  read.surface.contents = static_cast<std::int32_t>(Word(bytes, 92));
  read.surface.value = static_cast<std::int32_t>(Word(bytes, 96));
  if (!ReadMipLevels(bytes, offsets, read.texture)) return std::nullopt;
  return read;
}

}  // namespace cw::formats
