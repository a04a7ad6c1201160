#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cw::platform {

// Little-endian whole numbers of one to four bytes, as the picture and texture files store them.

// The number of `count` bytes at `at`; the bytes must be there.
inline std::uint32_t ReadLittleEndian(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

// A 32-bit little-endian number at `at`.
inline std::uint32_t ReadWord(std::string_view bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 4);
}

inline void AppendLittleEndian(std::string& out, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace cw::platform
