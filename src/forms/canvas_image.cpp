#include "forms/canvas_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace cw::forms {

CanvasImage::CanvasImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasImage::ShowImage(const QImage& image) {
  image_ = &image;
  ImageChanged();
}

void CanvasImage::FitToImage() {
  if (image_ == nullptr) return;
  const QSize size = image_->size() * zoom_;
  if (size != minimumSize() || size != maximumSize()) setFixedSize(size);
}

void CanvasImage::ImageChanged() {
  FitToImage();
  update();
}

void CanvasImage::SetZoom(int factor) {
  zoom_ = std::max(factor, 1);
  ImageChanged();
}

QPoint CanvasImage::SurfacePoint(QPoint controlPoint) const {
  const auto down = [this](int value) {
    return value >= 0 ? value / zoom_ : -((-value + zoom_ - 1) / zoom_);
  };
  return {down(controlPoint.x()), down(controlPoint.y())};
}

void CanvasImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  if (image_ == nullptr) return;
  if (zoom_ == 1) {
    painter.drawImage(event->rect().topLeft(), *image_, event->rect());
    return;
  }
  // The image pixels under the exposed area, each drawn as a square: no smoothing, so every
  // screen pixel is exactly one image pixel's colour.
  const QRect exposed = event->rect();
  const QPoint first = SurfacePoint(exposed.topLeft());
  const QPoint last = SurfacePoint(exposed.bottomRight());
  const QRect source = QRect(first, last).intersected(image_->rect());
  if (source.isEmpty()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), *image_, source);
}

}  // namespace cw::forms
