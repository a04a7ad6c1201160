#include "formats/palette_file.h"

#include <cstddef>

namespace cw::formats {
namespace {

constexpr std::size_t kPaletteFileSize = 768;

Palette FromBytes(std::string_view bytes) {
  Palette palette;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    palette[i] = {static_cast<std::uint8_t>(bytes[3 * i]),
                  static_cast<std::uint8_t>(bytes[3 * i + 1]),
                  static_cast<std::uint8_t>(bytes[3 * i + 2])};
  }
  return palette;
}

}  // namespace

std::string EncodePaletteFile(const Palette& palette) {
  std::string bytes;
  bytes.reserve(kPaletteFileSize);
  for (const Rgb& colour : palette) {
    bytes.push_back(static_cast<char>(colour.r));
    bytes.push_back(static_cast<char>(colour.g));
    bytes.push_back(static_cast<char>(colour.b));
  }
  return bytes;
}

std::optional<Palette> DecodePaletteFile(std::string_view bytes) {
  if (bytes.size() == kPaletteFileSize) return FromBytes(bytes);
  // A PCX picture: manufacturer byte 10, and its palette after a byte 12 at the very end.
  constexpr std::size_t kPcxHeader = 128;
  if (bytes.size() > kPcxHeader + kPaletteFileSize && bytes[0] == 10 &&
      bytes[bytes.size() - kPaletteFileSize - 1] == 12) {
    return FromBytes(bytes.substr(bytes.size() - kPaletteFileSize));
  }
  return std::nullopt;
}

}  // namespace cw::formats
