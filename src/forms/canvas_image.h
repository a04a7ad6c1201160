#pragma once

#include <QImage>
#include <QWidget>

namespace cw::forms {

// An image control: a widget that shows an image kept elsewhere (the editor's floor canvas or
// preview) at (0, 0), enlarged by a whole factor. Whoever draws on the image calls
// ImageChanged() to have it shown.
class CanvasImage : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasImage(QWidget* parent = nullptr);

  // The image to show, which outlives the control; the control takes its size times the zoom.
  void ShowImage(const QImage& image);
  // The image was drawn on or replaced: the control takes its size again and repaints.
  void ImageChanged();

  // Shows the image enlarged by a whole factor, each pixel a square of factor by factor screen
  // pixels; the image itself stays as it is. The control takes the enlarged size.
  void SetZoom(int factor);
  int Zoom() const { return zoom_; }
  // The image pixel under a point of the control: the point divided by the factor, rounded down,
  // so points left of or above the control give negative pixels.
  QPoint SurfacePoint(QPoint controlPoint) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FitToImage();

  const QImage* image_ = nullptr;
  int zoom_ = 1;
};

}  // namespace cw::forms
