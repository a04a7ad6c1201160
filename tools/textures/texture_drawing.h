#pragma once

#include <cstdint>

#include "textures/rgb_image.h"

namespace cw::textures {

// Integer tools for drawing textures that tile: every pattern below repeats with the period given
// (which the cell size must divide), so a texture made of them has no seam at its own edges.
// They use whole numbers only, so the textures are the same bytes on every machine.

// A well-mixed 32-bit value of a lattice point and a seed.
std::uint32_t HashPoint(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smooth value noise from 0 to 255: random values at the corners of square cells of side `cell`,
// blended between them; the lattice wraps every width by height pixels.
int TiledNoise(int x, int y, int cell, int width, int height, std::uint32_t seed);

// Noise with detail: TiledNoise at cell, cell / 2, ... down to 2, each half the weight of the
// one before; from 0 to 255.
int TiledFractal(int x, int y, int cell, int width, int height, std::uint32_t seed);

// Cells around random points, one in each square of side `cell`, the squares wrapping every width
// by height pixels: which point is nearest to the pixel's centre (an id), and the squared
// distances, in quarter pixels, to the nearest and to the second nearest. Where the two are
// close the pixel lies on a border between two cells.
struct CellSample {
  std::uint32_t id = 0;
  std::int64_t nearest = 0;
  std::int64_t second = 0;
};
CellSample TiledCells(int x, int y, int cell, int width, int height, std::uint32_t seed);

// The whole square root, rounded down.
std::int64_t WholeSquareRoot(std::int64_t value);

// Colour arithmetic with every channel kept within 0 to 255.
Rgb Mix(Rgb from, Rgb to, int amount);  // amount from 0 (from) to 256 (to)
Rgb Brighter(Rgb colour, int delta);    // the same added to each channel
Rgb Shaded(Rgb colour, int percent);    // each channel times percent / 100

}  // namespace cw::textures
