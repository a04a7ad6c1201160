#include "textures/texture_colours.h"

#include <cassert>
#include <cstddef>

namespace cw::textures {
namespace {

// A ramp runs from its dark colour through its middle one (shade 7) to its light one (shade 15).
struct Ramp {
  Rgb dark;
  Rgb middle;
  Rgb light;
};

constexpr Ramp kRamps[16] = {
    {{8, 8, 8}, {128, 128, 128}, {236, 236, 236}},    // grey
    {{14, 16, 22}, {96, 102, 116}, {200, 206, 218}},  // cool stone
    {{26, 20, 12}, {140, 118, 86}, {232, 214, 178}},  // sand
    {{22, 14, 8}, {110, 84, 60}, {204, 178, 150}},    // earth
    {{12, 18, 18}, {76, 92, 90}, {176, 192, 186}},    // slate
    {{10, 12, 26}, {64, 74, 112}, {170, 180, 214}},   // vault blue
    {{24, 10, 4}, {118, 64, 30}, {214, 160, 110}},    // wood
    {{30, 16, 4}, {150, 96, 40}, {240, 200, 130}},    // bronze
    {{36, 26, 4}, {186, 150, 40}, {255, 238, 150}},   // gold
    {{30, 6, 4}, {150, 40, 28}, {236, 140, 120}},     // rust
    {{8, 20, 6}, {60, 110, 40}, {180, 220, 140}},     // moss
    {{4, 20, 22}, {30, 110, 116}, {150, 220, 220}},   // teal
    {{20, 8, 26}, {100, 50, 130}, {210, 170, 230}},   // purple
    {{10, 10, 14}, {70, 72, 84}, {180, 184, 196}},    // iron
    {{120, 40, 0}, {255, 170, 40}, {255, 255, 220}},  // fire glow, from colour 224
    {{0, 60, 90}, {40, 200, 255}, {230, 255, 255}},   // cyan glow
};

std::uint8_t Between(std::uint8_t from, std::uint8_t to, int step, int steps) {
  return static_cast<std::uint8_t>((from * (steps - step) + to * step + steps / 2) / steps);
}

Rgb Between(Rgb from, Rgb to, int step, int steps) {
  return {Between(from.r, to.r, step, steps), Between(from.g, to.g, step, steps),
          Between(from.b, to.b, step, steps)};
}

}  // namespace

Palette KitPalette() {
  Palette palette;
  for (int ramp = 0; ramp < 16; ++ramp) {
    const Ramp& r = kRamps[ramp];
    for (int shade = 0; shade < 16; ++shade) {
      palette[static_cast<std::size_t>(16 * ramp + shade)] =
          shade <= 7 ? Between(r.dark, r.middle, shade, 7)
                     : Between(r.middle, r.light, shade - 7, 8);
    }
  }
  return palette;
}

TextureColours QuakeTextureColours(const Palette& palette) {
  return {palette, 223, 254};
}

TextureColours Quake2TextureColours(const Palette& palette) {
  return {palette, 254, 254};
}

TextureColours Heretic2TextureColours(const Palette& palette) {
  return {palette, 254, 254};
}

Quantiser::Quantiser(const Palette& palette, int first, int last)
    : palette_(palette), first_(first), last_(last) {
  assert(0 <= first && first <= last && last < 256);
}

std::uint8_t Quantiser::Nearest(Rgb colour) const {
  int best = first_;
  int bestDistance = -1;
  for (int i = first_; i <= last_; ++i) {
    const Rgb& p = palette_[static_cast<std::size_t>(i)];
    const int dr = p.r - colour.r;
    const int dg = p.g - colour.g;
    const int db = p.b - colour.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace cw::textures
