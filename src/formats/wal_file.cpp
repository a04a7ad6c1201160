#include "formats/wal_file.h"

#include <cassert>

#include "platform/little_endian.h"

namespace cw::formats {
namespace {

constexpr std::size_t kWalNameSize = 32;
constexpr std::size_t kWalHeaderSize = kWalNameSize + 4 * 6 + kWalNameSize + 4 * 3;

void AppendSigned(std::string& out, std::int32_t value) {
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(value), 4);
}

}  // namespace

std::string EncodeWal(const MipTexture& texture, const WalSurface& surface) {
  assert(IsMipTextureSize(texture.width, texture.height));
  assert(!texture.name.empty() && texture.name.size() <= kMaxWalTextureName &&
         texture.name.find('\0') == std::string::npos);
  std::string out;
  AppendNameField(out, texture.name, kWalNameSize);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(texture.width), 4);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(texture.height), 4);
  std::size_t offset = kWalHeaderSize;
  for (int i = 0; i < 4; ++i) {
    platform::AppendLittleEndian(out, static_cast<std::uint32_t>(offset), 4);
    offset += MipLevelSize(texture.width, texture.height, i);
  }
  AppendNameField(out, "", kWalNameSize);  // no next frame
  AppendSigned(out, surface.flags);
  AppendSigned(out, surface.contents);
  AppendSigned(out, surface.value);
  for (const std::vector<std::uint8_t>& level : texture.levels)
    out.append(level.begin(), level.end());
  return out;
}

std::optional<WalRead> DecodeWal(std::string_view bytes) {
  if (bytes.size() < kWalHeaderSize) return std::nullopt;
  WalRead read;
  read.texture.name = ReadNameField(bytes.substr(0, kWalNameSize));
  const std::uint32_t width = platform::ReadWord(bytes, 32);
  const std::uint32_t height = platform::ReadWord(bytes, 36);
  read.texture.width = width > 4096 ? 0 : static_cast<int>(width);
  read.texture.height = height > 4096 ? 0 : static_cast<int>(height);
  if (!IsMipTextureSize(read.texture.width, read.texture.height)) return std::nullopt;
  const std::uint32_t offsets[4] = {platform::ReadWord(bytes, 40), platform::ReadWord(bytes, 44),
                                    platform::ReadWord(bytes, 48), platform::ReadWord(bytes, 52)};
  read.nextFrame = ReadNameField(bytes.substr(56, kWalNameSize));
  read.surface.flags = static_cast<std::int32_t>(platform::ReadWord(bytes, 88));
  read.surface.contents = static_cast<std::int32_t>(platform::ReadWord(bytes, 92));
  read.surface.value = static_cast<std::int32_t>(platform::ReadWord(bytes, 96));
  if (!ReadMipLevels(bytes, offsets, read.texture)) return std::nullopt;
  return read;
}

}  // namespace cw::formats
