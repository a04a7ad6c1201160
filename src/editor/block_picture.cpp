#include "editor/block_picture.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "editor/bitmap_size_check.h"
#include "editor/orient_picture.h"
#include "platform/file_reader.h"

namespace cw::editor {

namespace {

QImage DecodeBitmap(const std::string& bytes) {
  // A header that announces more pixels than the file can hold is refused before the decoder
  // allocates the picture; so is a file too large for the decoder's size type.
  if (bytes.size() > static_cast<std::size_t>(INT_MAX) || !BitmapFitsItsFile(bytes)) return {};
  QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                    static_cast<int>(bytes.size()), "BMP");
  if (!picture.isNull() && picture.depth() < 8)
    picture = picture.convertToFormat(QImage::Format_Indexed8);
  return picture;
}

// The opaque RGB32 value of every palette index; indices beyond the picture's table are black.
std::array<QRgb, 256> OpaqueColourTable(const QImage& picture) {
  std::array<QRgb, 256> table;
  table.fill(0xFF000000u);
  const QList<QRgb> colours = picture.colorTable();
  const auto count = std::min<qsizetype>(colours.size(), 256);
  for (qsizetype i = 0; i < count; ++i)
    table[static_cast<std::size_t>(i)] = colours[i] | 0xFF000000u;
  return table;
}

}  // namespace

std::string PictureFileName(const std::string& blockName) {
  return blockName + ".bmp";
}

QImage PictureLoader::Load(const std::string& fileName) {
  platform::IoValue<std::string> read =
      platform::ReadWholeFile(fileName, platform::kPictureFileLimit);
  // A pipe is refused without waiting for a writer; any other failure is a file that cannot be
  // opened, in the toolkit's own words.
  if (read.status == platform::IoStatus::kNotRegular) throw PictureError(read.error);
  if (!read) throw PictureError("Impossible d'ouvrir le fichier " + fileName + ".");
  std::string& bytes = read.value;
  auto found = decoded_.find(fileName);
  if (found != decoded_.end() && found->second.bytes == bytes) return found->second.picture;
  QImage picture = DecodeBitmap(bytes);
  if (picture.isNull())
    throw PictureError("Le fichier " + fileName + " n'est pas une image bitmap valide.");
  decoded_[fileName] = Decoded{std::move(bytes), picture, {}};
  return picture;
}

const QImage& PictureLoader::Turned(const std::string& fileName, std::int32_t flags) {
  Decoded& decoded = decoded_.at(fileName);
  QImage& turned = decoded.turned[flags >= 0 && flags <= 7 ? static_cast<std::size_t>(flags) : 0];
  if (turned.isNull()) {
    QImage picture = decoded.picture;
    OrientPicture(picture, flags);
    turned = OpaquePicture(picture);
  }
  return turned;
}

QImage OpaquePicture(const QImage& picture) {
  if (picture.format() == QImage::Format_RGB32) return picture;
  if (picture.format() != QImage::Format_Indexed8)
    return picture.convertToFormat(QImage::Format_RGB32);
  const std::array<QRgb, 256> table = OpaqueColourTable(picture);
  QImage opaque(picture.size(), QImage::Format_RGB32);
  const int width = picture.width();
  const uchar* const sourceBits = picture.constBits();
  const qsizetype sourceStride = picture.bytesPerLine();
  uchar* const targetBits = opaque.bits();
  const qsizetype targetStride = opaque.bytesPerLine();
  for (int row = 0; row < picture.height(); ++row) {
    const uchar* source = sourceBits + row * sourceStride;
    auto* target = reinterpret_cast<QRgb*>(targetBits + row * targetStride);
    for (int i = 0; i < width; ++i) target[i] = table[source[i]];
  }
  return opaque;
}

void DrawPicture(QImage& canvas, const QImage& picture, std::int64_t x, std::int64_t y) {
  if (canvas.isNull() || picture.isNull()) return;
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(x + picture.width(), canvas.width());
  const std::int64_t bottom = std::min<std::int64_t>(y + picture.height(), canvas.height());
  if (left >= right || top >= bottom) return;
  const auto width = static_cast<std::size_t>(right - left);
  const auto sourceX = static_cast<std::size_t>(left - x);
  // Opaque pictures are copied row by row as they are; others are made opaque first.
  const QImage converted =
      picture.format() == QImage::Format_RGB32 ? QImage() : OpaquePicture(picture);
  const QImage& opaque = converted.isNull() ? picture : converted;
  // Row addresses from one detach of each image, not one per row.
  uchar* const targetBits = canvas.bits();
  const qsizetype targetStride = canvas.bytesPerLine();
  const uchar* const sourceBits = opaque.constBits();
  const qsizetype sourceStride = opaque.bytesPerLine();
  for (std::int64_t row = top; row < bottom; ++row) {
    const auto* source =
        reinterpret_cast<const QRgb*>(sourceBits + (row - y) * sourceStride) + sourceX;
    std::memcpy(reinterpret_cast<QRgb*>(targetBits + row * targetStride) + left, source,
                width * sizeof(QRgb));
  }
}

}  // namespace cw::editor
