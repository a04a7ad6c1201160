#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::formats {

// A Heretic II .m8 texture: the version 2; its name in 32 bytes; the width, height and file
// offset of up to 16 mip levels (16 numbers each); the name of the next frame of an animation in
// 32 bytes; a palette of 256 colours, 3 bytes each (red, green, blue); the surface flags,
// contents and value; then the levels, one palette index per pixel, rows from the top. Numbers
// are 32-bit little-endian. Unlike Quake's textures it carries its own colours.
struct M8Level {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  bool operator==(const M8Level&) const = default;
};

struct M8Texture {
  std::string name;
  std::string nextFrame;
  std::array<std::array<std::uint8_t, 3>, 256> palette{};
  std::int32_t flags = 0;
  std::int32_t contents = 0;
  std::int32_t value = 0;
  // The levels in turn, up to the first of no size: the full-size picture first.
  std::vector<M8Level> levels;
  bool operator==(const M8Texture&) const = default;
};

inline constexpr std::uint32_t kM8Version = 2;
inline constexpr std::size_t kM8HeaderSize = 4 + 32 + 3 * 16 * 4 + 32 + 256 * 3 + 3 * 4;

// Reads an .m8 file; empty when it is shorter than its header, is of another version, its first
// level has no size or is larger than 4096 on a side, or a level does not lie inside the file.
std::optional<M8Texture> DecodeM8(std::string_view bytes);

}  // namespace cw::formats
