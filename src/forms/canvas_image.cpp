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
  setFixedSize(width, height);
}

void CanvasImage::CanvasChanged() {
  update();
  emit changed();
}

void CanvasImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  painter.drawImage(event->rect().topLeft(), canvas_, event->rect());
}

}  // namespace cw::forms
