#include "textures/rgb_image.h"

#include <cassert>

namespace cw::textures {

RgbImage HalfSize(const RgbImage& image) {
  assert(image.width == 1 || image.width % 2 == 0);
  assert(image.height == 1 || image.height % 2 == 0);
  const int across = image.width == 1 ? 1 : 2;
  const int down = image.height == 1 ? 1 : 2;
  const int count = across * down;
  RgbImage half(image.width / across, image.height / down);
  for (int y = 0; y < half.height; ++y) {
    for (int x = 0; x < half.width; ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < down; ++dy) {
        for (int dx = 0; dx < across; ++dx) {
          const Rgb p = image.At(across * x + dx, down * y + dy);
          r += p.r;
          g += p.g;
          b += p.b;
        }
      }
      auto mean = [count](int sum) { return static_cast<std::uint8_t>((sum + count / 2) / count); };
      half.At(x, y) = {mean(r), mean(g), mean(b)};
    }
  }
  return half;
}

}  // namespace cw::textures
