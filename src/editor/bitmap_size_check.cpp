#include "editor/bitmap_size_check.h"

#include <cstdint>

#include "platform/little_endian.h"

namespace cw::editor {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER: 16-bit width and height
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its longer successors
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
// Two bytes of run-length data give at most 255 pixels; allow a little more for the skips.
constexpr std::uint64_t kBestRunLengthPixelsPerByte = 256;

}  // namespace

bool BitmapFitsItsFile(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return true;
  const std::uint32_t pixelOffset = platform::ReadLittleEndian(bytes, 10, 4);
  const std::uint32_t headerSize = platform::ReadLittleEndian(bytes, kFileHeaderSize, 4);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (headerSize == kCoreHeaderSize && bytes.size() >= kFileHeaderSize + kCoreHeaderSize) {
    width = platform::ReadLittleEndian(bytes, 18, 2);
    height = platform::ReadLittleEndian(bytes, 20, 2);
    bitsPerPixel = platform::ReadLittleEndian(bytes, 24, 2);
  } else if (headerSize >= kInfoHeaderSize && bytes.size() >= kFileHeaderSize + kInfoHeaderSize) {
    width = static_cast<std::int32_t>(platform::ReadLittleEndian(bytes, 18, 4));
    height = static_cast<std::int32_t>(
        platform::ReadLittleEndian(bytes, 22, 4));  // negative: rows top-down
    bitsPerPixel = platform::ReadLittleEndian(bytes, 28, 2);
    compression = platform::ReadLittleEndian(bytes, 30, 4);
  } else {
    return true;
  }
  if (height < 0) height = -height;
  if (width <= 0 || height == 0 || bitsPerPixel == 0) return true;  // the decoder refuses these

  const std::uint64_t available = pixelOffset < bytes.size() ? bytes.size() - pixelOffset : 0;
  const auto pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (compression == kRle8 || compression == kRle4) {
    return pixels <= available * kBestRunLengthPixelsPerByte;
  }
  if (bitsPerPixel > 64) return true;  // no such depth: the decoder refuses it
  // Rows are padded to whole 32-bit words; a width below 2^31 keeps a row within 2^35 bytes.
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  return rowBytes <= available / static_cast<std::uint64_t>(height);
}

}  // namespace cw::editor
