#pragma once

#include <QWidget>

class QToolButton;

namespace cw::forms {

// An up-down spin control: two arrow buttons and nothing else, the upper one above the lower,
// together filling the control. It holds a position within a range; the arrows, the Up and Down
// keys and Page Up and Page Down step it by one, typed digits do nothing. valueChanged fires
// only on a real change, whether by the user or by code; setValue keeps the position within the
// range and does not wrap.
class UpDownControl : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent = nullptr);

  void setRange(int minimum, int maximum);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int value() const { return value_; }
  void setValue(int value);
  void stepBy(int steps) { setValue(value_ + steps); }

  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 signals:
  void valueChanged(int value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  int minimum_ = 0;
  int maximum_ = 99;
  int value_ = 0;
};

}  // namespace cw::forms
