#include "formats/bmp_file.h"

#include "platform/little_endian.h"

namespace cw::formats {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPaletteSize = 256 * 4;

std::size_t RowStride(int width) {
  return (static_cast<std::size_t>(width) + 3) / 4 * 4;
}

}  // namespace

std::string EncodeBmp8(const IndexedPicture& picture) {
  std::size_t stride = RowStride(picture.width);
  std::size_t pixelBytes = stride * static_cast<std::size_t>(picture.height);
  std::size_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  std::string out;
  out.reserve(offset + pixelBytes);
  out += "BM";
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(offset + pixelBytes), 4);
  platform::AppendLittleEndian(out, 0, 4);  // reserved
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(offset), 4);
  platform::AppendLittleEndian(out, kInfoHeaderSize, 4);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(picture.width), 4);
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(picture.height),
                               4);          // positive: bottom-up rows
  platform::AppendLittleEndian(out, 1, 2);  // planes
  platform::AppendLittleEndian(out, 8, 2);  // bits per pixel
  platform::AppendLittleEndian(out, 0, 4);  // no compression
  platform::AppendLittleEndian(out, static_cast<std::uint32_t>(pixelBytes), 4);
  platform::AppendLittleEndian(out, 2835, 4);  // 72 dots per inch, in dots per metre
  platform::AppendLittleEndian(out, 2835, 4);
  platform::AppendLittleEndian(out, 256, 4);  // colours used
  platform::AppendLittleEndian(out, 0, 4);    // all colours important
  for (std::uint32_t rgb : picture.palette) {
    platform::AppendLittleEndian(out, rgb & 0xFFFFFF, 4);  // blue, green, red, zero
  }
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) out.push_back(static_cast<char>(picture.At(x, y)));
    out.append(stride - static_cast<std::size_t>(picture.width), '\0');
  }
  return out;
}

std::optional<IndexedPicture> DecodeBmp8(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM") {
    return std::nullopt;
  }
  std::uint32_t offset = platform::ReadLittleEndian(bytes, 10, 4);
  std::uint32_t infoSize = platform::ReadLittleEndian(bytes, 14, 4);
  auto width = static_cast<std::int32_t>(platform::ReadLittleEndian(bytes, 18, 4));
  auto height = static_cast<std::int32_t>(platform::ReadLittleEndian(bytes, 22, 4));
  std::uint32_t bits = platform::ReadLittleEndian(bytes, 28, 2);
  std::uint32_t compression = platform::ReadLittleEndian(bytes, 30, 4);
  std::uint32_t colours = platform::ReadLittleEndian(bytes, 46, 4);
  if (infoSize != kInfoHeaderSize || bits != 8 || compression != 0 || width <= 0 || height <= 0 ||
      width > 4096 || height > 4096 || colours > 256) {
    return std::nullopt;
  }
  if (colours == 0) colours = 256;
  std::size_t stride = RowStride(width);
  std::size_t paletteAt = kFileHeaderSize + kInfoHeaderSize;
  if (offset < paletteAt + colours * 4 ||
      bytes.size() < offset + stride * static_cast<std::size_t>(height)) {
    return std::nullopt;
  }
  IndexedPicture picture(width, height);
  for (std::uint32_t i = 0; i < colours; ++i) {
    picture.palette[i] = platform::ReadLittleEndian(bytes, paletteAt + 4 * i, 3);
  }
  for (int y = 0; y < height; ++y) {
    std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      picture.At(x, y) = static_cast<std::uint8_t>(bytes[row + static_cast<std::size_t>(x)]);
    }
  }
  return picture;
}

}  // namespace cw::formats
