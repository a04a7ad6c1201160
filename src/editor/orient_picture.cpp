#include "editor/orient_picture.h"

#include <algorithm>
#include <cstring>

namespace cw::editor {

namespace {

// Pixel access in place for pictures of Bytes bytes per pixel.
template <int Bytes>
class PixelGrid {
 public:
  explicit PixelGrid(QImage& picture) : base_(picture.bits()), stride_(picture.bytesPerLine()) {}

  uchar* At(int x, int y) const { return base_ + y * stride_ + x * Bytes; }

  void Swap(int x1, int y1, int x2, int y2) const {
    uchar* a = At(x1, y1);
    uchar* b = At(x2, y2);
    uchar kept[Bytes];
    std::memcpy(kept, a, Bytes);
    std::memcpy(a, b, Bytes);
    std::memcpy(b, kept, Bytes);
  }

  // Moves the values of four pixels one place along the list p0 <- p1 <- p2 <- p3 <- p0.
  void CycleBackward(uchar* p0, uchar* p1, uchar* p2, uchar* p3) const {
    uchar kept[Bytes];
    std::memcpy(kept, p0, Bytes);
    std::memcpy(p0, p1, Bytes);
    std::memcpy(p1, p2, Bytes);
    std::memcpy(p2, p3, Bytes);
    std::memcpy(p3, kept, Bytes);
  }

  void SwapRows(int y1, int y2, int width) const {
    std::swap_ranges(At(0, y1), At(0, y1) + width * Bytes, At(0, y2));
  }

 private:
  uchar* base_;
  qsizetype stride_;
};

template <int Bytes>
void Orient(QImage& picture, int flags) {
  const int w = picture.width();
  const int h = picture.height();
  const PixelGrid<Bytes> grid(picture);
  const int n = w;  // the side, for the values that need a square picture
  switch (flags) {
    case 1:  // mirror left to right
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x) grid.Swap(x, y, w - 1 - x, y);
      break;
    case 2:  // mirror top to bottom
      for (int y = 0; y < h / 2; ++y) grid.SwapRows(y, h - 1 - y, w);
      break;
    case 3:  // half turn
      for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w; ++x) grid.Swap(x, y, w - 1 - x, h - 1 - y);
      if (h % 2 == 1)
        for (int x = 0; x < w / 2; ++x) grid.Swap(x, h / 2, w - 1 - x, h / 2);
      break;
    case 4:  // quarter turn counter-clockwise: (x, y) goes to (y, n - 1 - x)
    case 7:  // quarter turn clockwise: (x, y) goes to (n - 1 - y, x)
      for (int i = 0; i < n / 2; ++i) {
        for (int j = 0; j < (n + 1) / 2; ++j) {
          uchar* p0 = grid.At(i, j);
          uchar* p1 = grid.At(n - 1 - j, i);
          uchar* p2 = grid.At(n - 1 - i, n - 1 - j);
          uchar* p3 = grid.At(j, n - 1 - i);
          if (flags == 4)
            grid.CycleBackward(p0, p1, p2, p3);
          else
            grid.CycleBackward(p0, p3, p2, p1);
        }
      }
      break;
    case 5:  // mirror across the diagonal from top-right to bottom-left
      for (int y = 0; y < n; ++y)
        for (int x = 0; x + y < n - 1; ++x) grid.Swap(x, y, n - 1 - y, n - 1 - x);
      break;
    case 6:  // mirror across the diagonal from top-left to bottom-right
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < y; ++x) grid.Swap(x, y, y, x);
      break;
    default:
      break;
  }
}

}  // namespace

void OrientPicture(QImage& picture, std::int32_t flags) {
  // Values outside 0 to 7 leave every picture as it is, square or not.
  if (flags <= 0 || flags > 7 || picture.isNull()) return;
  if (picture.width() != picture.height() && flags > 3) flags -= 4;
  if (flags == 0) return;
  if (picture.depth() < 8) picture = picture.convertToFormat(QImage::Format_Indexed8);
  switch (picture.depth()) {
    case 8:
      Orient<1>(picture, flags);
      break;
    case 16:
      Orient<2>(picture, flags);
      break;
    case 24:
      Orient<3>(picture, flags);
      break;
    case 32:
      Orient<4>(picture, flags);
      break;
    case 64:
      Orient<8>(picture, flags);
      break;
    default:
      break;
  }
}

}  // namespace cw::editor
