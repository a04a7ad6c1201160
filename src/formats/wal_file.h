#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/mip_texture.h"

namespace cw::formats {

// The longest texture name a .wal file holds: 32 bytes with a closing NUL.
inline constexpr std::size_t kMaxWalTextureName = 31;

// What a Quake 2 texture tells the compilers about the faces that use it, unless a face line
// says otherwise: surface flags (1 light, 4 sky, 128 no draw...), contents (1 solid, 32 water,
// 134217728 detail...) and the value (a light's brightness).
struct WalSurface {
  std::int32_t flags = 0;
  std::int32_t contents = 0;
  std::int32_t value = 0;
  bool operator==(const WalSurface&) const = default;
};

// A Quake 2 .wal texture: its name in 32 bytes, width, height, the offsets of its four levels
// from the file's start, the name of the next frame of an animation in 32 bytes (none here),
// the flags, contents and value, then the four levels. Numbers are 32-bit little-endian. The
// texture must have a mip texture size and a name of 1 to 31 characters without NUL.
std::string EncodeWal(const MipTexture& texture, const WalSurface& surface);

struct WalRead {
  MipTexture texture;
  WalSurface surface;
  std::string nextFrame;
};

// Reads a .wal file; empty when it is too short, its size is not a mip texture size or a level
// does not lie inside the file.
std::optional<WalRead> DecodeWal(std::string_view bytes);

}  // namespace cw::formats
