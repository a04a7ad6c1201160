#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/palette_file.h"

namespace cw::textures {

using formats::Rgb;

// A picture in full colour, rows from the top, as the texture drawings make it before it is
// matched to a palette.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // width * height, row by row from the top

  RgbImage() = default;
  RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}
  Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The picture at half its width and height, each pixel the rounded mean of the 2 x 2 pixels it
// stands for: the next smaller mip level. A side of one pixel stays one, and the pixels then
// stand for 2 x 1 or 1 x 2 of the larger picture. Each side must be even or one.
RgbImage HalfSize(const RgbImage& image);

}  // namespace cw::textures
