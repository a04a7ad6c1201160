#include "editor/canvas_pixels.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace cw::editor {

namespace {

PixelBounds BoundsOf(const QImage& canvas) {
  return {0, 0, canvas.width(), canvas.height()};
}

bool HasDirectPixels(const QImage& canvas) {
  return canvas.format() == QImage::Format_RGB32 || canvas.format() == QImage::Format_ARGB32;
}

void SetPixel(QImage& canvas, std::int64_t x, std::int64_t y, QRgb colour) {
  const int cx = static_cast<int>(x);
  const int cy = static_cast<int>(y);
  if (HasDirectPixels(canvas)) {
    reinterpret_cast<QRgb*>(canvas.scanLine(cy))[cx] = colour | 0xff000000u;
  } else {
    canvas.setPixel(cx, cy, colour);
  }
}

void InvertPixel(QImage& canvas, std::int64_t x, std::int64_t y) {
  const int cx = static_cast<int>(x);
  const int cy = static_cast<int>(y);
  if (HasDirectPixels(canvas)) {
    reinterpret_cast<QRgb*>(canvas.scanLine(cy))[cx] ^= 0x00ffffffu;
  } else {
    canvas.setPixel(cx, cy, canvas.pixel(cx, cy) ^ 0x00ffffffu);
  }
}

}  // namespace

void DrawLine(QImage& canvas, PixelPoint from, PixelPoint to, QRgb colour) {
  ForEachLinePixel(from, to, BoundsOf(canvas),
                   [&](std::int64_t x, std::int64_t y) { SetPixel(canvas, x, y, colour); });
}

void InvertLine(QImage& canvas, PixelPoint from, PixelPoint to) {
  ForEachLinePixel(from, to, BoundsOf(canvas),
                   [&](std::int64_t x, std::int64_t y) { InvertPixel(canvas, x, y); });
}

void DrawBox(QImage& canvas, PixelPoint topLeft, PixelPoint bottomRight, QRgb outline, QRgb fill) {
  const std::int64_t right = bottomRight.x - 1;
  const std::int64_t bottom = bottomRight.y - 1;
  if (right < topLeft.x || bottom < topLeft.y) return;
  // Only the part of the box on the canvas is visited.
  const std::int64_t x0 = std::max<std::int64_t>(topLeft.x, 0);
  const std::int64_t y0 = std::max<std::int64_t>(topLeft.y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(right, canvas.width() - 1);
  const std::int64_t y1 = std::min<std::int64_t>(bottom, canvas.height() - 1);
  for (std::int64_t y = y0; y <= y1; ++y) {
    for (std::int64_t x = x0; x <= x1; ++x) {
      const bool edge = x == topLeft.x || x == right || y == topLeft.y || y == bottom;
      SetPixel(canvas, x, y, edge ? outline : fill);
    }
  }
}

void WriteText(QImage& canvas, const QFont& font, PixelPoint topLeft, std::string_view text) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics(font);
  const std::int64_t width = metrics.horizontalAdvance(qtext);
  const std::int64_t height = metrics.height();
  // Text wholly off the canvas is not drawn; this also keeps the coordinates within int.
  if (topLeft.x + width <= 0 || topLeft.y + height <= 0 || topLeft.x >= canvas.width() ||
      topLeft.y >= canvas.height()) {
    return;
  }
  QPainter painter(&canvas);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  painter.drawText(QRect(static_cast<int>(topLeft.x), static_cast<int>(topLeft.y),
                         static_cast<int>(width), static_cast<int>(height)),
                   Qt::AlignLeft | Qt::AlignTop, qtext);
}

}  // namespace cw::editor
