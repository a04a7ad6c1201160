#include "forms/up_down_control.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace cw::forms {

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent),
      up_(ArrowButton(Qt::UpArrow, this)),
      down_(ArrowButton(Qt::DownArrow, this)) {
  setFocusPolicy(Qt::StrongFocus);
  connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDownControl::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setValue(value_);
}

void UpDownControl::setValue(int value) {
  value = std::clamp(value, minimum_, maximum_);
  if (value == value_) return;
  value_ = value;
  emit valueChanged(value_);
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      stepBy(1);
      break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      stepBy(-1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void UpDownControl::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0) stepBy(delta > 0 ? 1 : -1);
  event->accept();
}

void UpDownControl::resizeEvent(QResizeEvent*) {
  // The two arrows share the height, the upper one taking the odd pixel.
  const int upper = (height() + 1) / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace cw::forms
