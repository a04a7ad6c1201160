#pragma once

#include <QImage>
#include <QWidget>

namespace cw::forms {

// An image control: a widget that shows its own drawing surface at (0, 0). The surface keeps its
// pixels between repaints; whoever draws on it calls CanvasChanged() to have it shown.
class CanvasImage : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasImage(QWidget* parent = nullptr);

  QImage& Canvas() { return canvas_; }
  const QImage& Canvas() const { return canvas_; }

  // The largest side a surface gets: 16384 pixels (512 cells) keep a floor canvas within 1 GiB.
  static constexpr int kMaxSide = 16384;

  // Gives the control a new white surface of this size and fixes the control to that size. Each
  // side is kept within 0 to kMaxSide, so no setting can ask for more memory than that.
  void SetSurfaceSize(int width, int height);

  // Repaints the control and tells the observers that the surface changed.
  void CanvasChanged();

  // Shows the surface enlarged by a whole factor, each pixel a square of factor by factor screen
  // pixels; the surface itself stays as it is. The control takes the enlarged size.
  void SetZoom(int factor);
  int Zoom() const { return zoom_; }
  // The surface pixel under a point of the control: the point divided by the factor, rounded
  // down, so points left of or above the control give negative pixels.
  QPoint SurfacePoint(QPoint controlPoint) const;

 signals:
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage canvas_;
  int zoom_ = 1;
};

}  // namespace cw::forms
