#include "kit/rgb_image.h"

#include <cassert>

namespace cw::kit {

RgbImage HalfSize(const RgbImage& image) {
  assert(image.width % 2 == 0 && image.height % 2 == 0);
  RgbImage half(image.width / 2, image.height / 2);
  for (int y = 0; y < half.height; ++y) {
    for (int x = 0; x < half.width; ++x) {
      const Rgb a = image.At(2 * x, 2 * y);
      const Rgb b = image.At(2 * x + 1, 2 * y);
      const Rgb c = image.At(2 * x, 2 * y + 1);
      const Rgb d = image.At(2 * x + 1, 2 * y + 1);
      auto mean = [](int p, int q, int r, int s) {
        return static_cast<std::uint8_t>((p + q + r + s + 2) / 4);
      };
      half.At(x, y) = {mean(a.r, b.r, c.r, d.r), mean(a.g, b.g, c.g, d.g),
                       mean(a.b, b.b, c.b, d.b)};
    }
  }
  return half;
}

}  // namespace cw::kit
