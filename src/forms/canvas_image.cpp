#include "forms/canvas_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace cw::forms {

CanvasImage::CanvasImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasImage::SetSurfaceSize(int width, int height) {
  width = std::clamp(width, 0, kMaxSide);
  height = std::clamp(height, 0, kMaxSide);
  canvas_ = QImage(width, height, QImage::Format_RGB32);
  canvas_.fill(Qt::white);
  setFixedSize(width * zoom_, height * zoom_);
}

void CanvasImage::SetZoom(int factor) {
  zoom_ = std::max(factor, 1);
  setFixedSize(canvas_.width() * zoom_, canvas_.height() * zoom_);
  update();
}

QPoint CanvasImage::SurfacePoint(QPoint controlPoint) const {
  const auto down = [this](int value) {
    return value >= 0 ? value / zoom_ : -((-value + zoom_ - 1) / zoom_);
  };
  return {down(controlPoint.x()), down(controlPoint.y())};
}

void CanvasImage::CanvasChanged() {
  update();
  emit changed();
}

void CanvasImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  if (zoom_ == 1) {
    painter.drawImage(event->rect().topLeft(), canvas_, event->rect());
    return;
  }
  // The surface pixels under the exposed area, each drawn as a square: no smoothing, so every
  // screen pixel is exactly one surface pixel's colour.
  const QRect exposed = event->rect();
  const QPoint first = SurfacePoint(exposed.topLeft());
  const QPoint last = SurfacePoint(exposed.bottomRight());
  const QRect source = QRect(first, last).intersected(canvas_.rect());
  if (source.isEmpty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), canvas_, source);
}

}  // namespace cw::forms
