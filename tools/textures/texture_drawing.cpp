#include "textures/texture_drawing.h"

#include <algorithm>

namespace cw::textures {
namespace {

int Wrap(int value, int period) {
  const int wrapped = value % period;
  return wrapped < 0 ? wrapped + period : wrapped;
}

// A lattice value from 0 to 255.
int LatticeValue(int x, int y, std::uint32_t seed) {
  return static_cast<int>(HashPoint(x, y, seed) >> 24);
}

// The smooth step 3t^2 - 2t^3 for t = step / steps, in 256ths.
int SmoothWeight(int step, int steps) {
  const std::int64_t t = static_cast<std::int64_t>(step) * 256 / steps;
  return static_cast<int>(t * t * (3 * 256 - 2 * t) / (256 * 256));
}

std::uint8_t Channel(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

std::uint32_t HashPoint(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

int TiledNoise(int x, int y, int cell, int width, int height, std::uint32_t seed) {
  const int columns = width / cell;
  const int rows = height / cell;
  const int cx = Wrap(x, width) / cell;
  const int cy = Wrap(y, height) / cell;
  const int wx = SmoothWeight(Wrap(x, width) % cell, cell);
  const int wy = SmoothWeight(Wrap(y, height) % cell, cell);
  const int x0 = cx, x1 = (cx + 1) % columns;
  const int y0 = cy, y1 = (cy + 1) % rows;
  const int top = LatticeValue(x0, y0, seed) * (256 - wx) + LatticeValue(x1, y0, seed) * wx;
  const int bottom = LatticeValue(x0, y1, seed) * (256 - wx) + LatticeValue(x1, y1, seed) * wx;
  return (top * (256 - wy) + bottom * wy) / (256 * 256);
}

int TiledFractal(int x, int y, int cell, int width, int height, std::uint32_t seed) {
  int sum = 0;
  int weights = 0;
  int weight = 256;
  for (int size = cell; size >= 2; size /= 2) {
    sum += TiledNoise(x, y, size, width, height, seed + static_cast<std::uint32_t>(size)) * weight;
    weights += weight;
    weight /= 2;
  }
  return sum / weights;
}

CellSample TiledCells(int x, int y, int cell, int width, int height, std::uint32_t seed) {
  const int columns = width / cell;
  const int rows = height / cell;
  const int cx = Wrap(x, width) / cell;
  const int cy = Wrap(y, height) / cell;
  // The pixel's centre in half pixels.
  const std::int64_t px = 2 * static_cast<std::int64_t>(Wrap(x, width)) + 1;
  const std::int64_t py = 2 * static_cast<std::int64_t>(Wrap(y, height)) + 1;
  CellSample sample;
  sample.nearest = INT64_MAX;
  sample.second = INT64_MAX;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int ix = cx + dx;
      const int iy = cy + dy;
      const std::uint32_t h = HashPoint(Wrap(ix, columns), Wrap(iy, rows), seed);
      // The cell's point, in half pixels, where this copy of the cell stands.
      const std::int64_t fx = 2 * (static_cast<std::int64_t>(ix) * cell) +
                              static_cast<std::int64_t>(h % static_cast<std::uint32_t>(2 * cell));
      const std::int64_t fy =
          2 * (static_cast<std::int64_t>(iy) * cell) +
          static_cast<std::int64_t>((h >> 12) % static_cast<std::uint32_t>(2 * cell));
      const std::int64_t distance = (fx - px) * (fx - px) + (fy - py) * (fy - py);
      if (distance < sample.nearest) {
        sample.second = sample.nearest;
        sample.nearest = distance;
        sample.id = HashPoint(Wrap(ix, columns), Wrap(iy, rows), seed + 1);
      } else if (distance < sample.second) {
        sample.second = distance;
      }
    }
  }
  return sample;
}

std::int64_t WholeSquareRoot(std::int64_t value) {
  if (value <= 0) return 0;
  std::int64_t root = 0;
  std::int64_t bit = std::int64_t{1} << 62;
  while (bit > value) bit >>= 2;
  while (bit != 0) {
    if (value >= root + bit) {
      value -= root + bit;
      root = (root >> 1) + bit;
    } else {
      root >>= 1;
    }
    bit >>= 2;
  }
  return root;
}

Rgb Mix(Rgb from, Rgb to, int amount) {
  auto blend = [amount](int a, int b) { return Channel((a * (256 - amount) + b * amount) / 256); };
  return {blend(from.r, to.r), blend(from.g, to.g), blend(from.b, to.b)};
}

Rgb Brighter(Rgb colour, int delta) {
  return {Channel(colour.r + delta), Channel(colour.g + delta), Channel(colour.b + delta)};
}

Rgb Shaded(Rgb colour, int percent) {
  return {Channel(colour.r * percent / 100), Channel(colour.g * percent / 100),
          Channel(colour.b * percent / 100)};
}

}  // namespace cw::textures
