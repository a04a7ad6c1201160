#include "textures/kit_textures.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "textures/texture_drawing.h"

namespace cw::textures {
namespace {

// Quake 2's surface flags for faces that give light, that are never drawn, and that the compilers
// leave out altogether; and its contents for detail brushes.
constexpr std::int32_t kSurfaceLight = 0x1;
constexpr std::int32_t kSurfaceNoDraw = 0x80;
constexpr std::int32_t kSurfaceSkip = 0x200;
constexpr std::int32_t kContentsDetail = 134217728;

// Offsets of a pixel's centre from the middle of a size by size square, in half pixels, so that
// the pattern is exactly symmetric about that middle.
int Centred(int coordinate, int size) {
  return 2 * coordinate + 1 - size;
}

// A pixel's brightness change from fine noise, from -amount to amount.
int Grain(int x, int y, int cell, const RgbImage& image, std::uint32_t seed, int amount) {
  return (TiledFractal(x, y, cell, image.width, image.height, seed) - 128) * amount / 128;
}

// A variation of a colour for one stone, slab or block, from its id.
Rgb Tinted(Rgb base, std::uint32_t id, int amount) {
  const int shift = static_cast<int>(id % static_cast<std::uint32_t>(2 * amount + 1)) - amount;
  return Brighter(base, shift);
}

RgbImage DrawRubble() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const CellSample cell = TiledCells(x, y, 16, image.width, image.height, 11);
      const std::int64_t border = WholeSquareRoot(cell.second) - WholeSquareRoot(cell.nearest);
      Rgb colour = Tinted({110, 84, 60}, cell.id, 22);
      colour = Brighter(colour, static_cast<int>(std::min<std::int64_t>(border, 12)) - 6);
      if (border < 3) colour = {44, 32, 24};
      image.At(x, y) = Brighter(colour, Grain(x, y, 16, image, 12, 18));
    }
  }
  return image;
}

RgbImage DrawFlagstone() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    const int row = y / 32;
    for (int x = 0; x < image.width; ++x) {
      // Running bond: the second row of slabs is set half a slab along.
      const int along = (x + row * 16) % 64;
      const int column = along / 32;
      const int u = along % 32;
      const int v = y % 32;
      Rgb colour = Tinted({76, 92, 90}, HashPoint(column, row, 21), 14);
      if (u < 2 || v < 2) {
        colour = {26, 32, 32};
      } else if (u < 4 || v < 4) {
        colour = Brighter(colour, 16);
      } else if (u > 29 || v > 29) {
        colour = Brighter(colour, -16);
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 16, image, 22, 14));
    }
  }
  return image;
}

RgbImage DrawVault() {
  RgbImage image(128, 128);
  for (int y = 0; y < image.height; ++y) {
    const int v = std::abs(Centred(y, 128));
    for (int x = 0; x < image.width; ++x) {
      const int u = std::abs(Centred(x, 128));
      const int edge = std::max(u, v);
      Rgb colour;
      if (u * u + v * v < 18 * 18) {
        colour = u * u + v * v < 10 * 10 ? Rgb{240, 200, 120} : Rgb{186, 150, 40};  // the boss
      } else if (edge > 116 || std::abs(u - v) < 6) {
        colour = {120, 128, 156};  // ribs along the edges and the diagonals
      } else {
        // The field between the ribs, darker deeper in its curve.
        const int depth = std::min(116 - edge, std::abs(u - v));
        colour = Brighter({64, 74, 112}, 12 - std::min(depth, 48) / 2);
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 32, image, 31, 10));
    }
  }
  return image;
}

RgbImage DrawAshlar() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    const int course = y / 16;
    for (int x = 0; x < image.width; ++x) {
      const int along = (x + (course % 2) * 16) % 64;
      Rgb colour = Tinted({140, 118, 86}, HashPoint(along / 32, course, 41), 16);
      if (y % 16 == 0 || along % 32 == 0) {
        colour = {58, 48, 34};
      } else if (y % 16 == 1 || along % 32 == 1) {
        colour = Brighter(colour, -22);
      } else if (y % 16 == 15) {
        colour = Brighter(colour, 12);
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 16, image, 42, 16));
    }
  }
  return image;
}

RgbImage DrawLintel() {
  RgbImage image(64, 16);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      Rgb colour{170, 148, 112};
      const int diamond = std::abs(Centred(x % 16, 16)) + std::abs(Centred(y, 16));
      if (y == 0 || y == 15) {
        colour = {90, 76, 54};
      } else if (y == 1) {
        colour = {210, 190, 150};
      } else if (y == 14) {
        colour = {120, 102, 74};
      } else if (diamond < 10) {
        colour = diamond < 6 ? Rgb{100, 84, 60} : Rgb{130, 110, 80};
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 16, image, 51, 10));
    }
  }
  return image;
}

// The door fills rows 24 to 127: the templates set its bottom on row 0 of the next repeat.
RgbImage DrawBronzeDoor() {
  RgbImage image(64, 128);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool band = (y >= 24 && y < 30) || y >= 122 || (y >= 72 && y < 78) || y < 24;
      Rgb colour{150, 96, 40};
      if (x < 4 || x >= 60 || band) {
        colour = {96, 58, 22};
        // Rivets on the top band, the middle rail and the bottom band.
        const bool rivetRow = y == 26 || y == 27 || y == 74 || y == 75 || y == 124 || y == 125;
        if (rivetRow && (x % 16 == 7 || x % 16 == 8)) colour = {240, 200, 130};
      } else if (x == 31 || x == 32) {
        colour = {60, 34, 12};
      } else if (x < 7 || (x > 32 && x < 36) || y < 33 || (y >= 78 && y < 81)) {
        colour = {190, 130, 60};  // the lit edge of a panel
      } else if (x > 56 || (x > 27 && x < 31) || y > 118 || (y > 68 && y < 72)) {
        colour = {110, 68, 28};  // the shaded edge of a panel
      }
      const int streak = (TiledNoise(x, y / 4, 8, 64, 32, 61) - 128) / 10;
      image.At(x, y) = Brighter(colour, streak + Grain(x, y, 16, image, 62, 8));
    }
  }
  return image;
}

RgbImage DrawRuneButton() {
  RgbImage image(32, 32);
  for (int y = 0; y < image.height; ++y) {
    const int v = Centred(y, 32);
    for (int x = 0; x < image.width; ++x) {
      const int u = Centred(x, 32);
      const int radius = static_cast<int>(WholeSquareRoot(u * u + v * v));
      Rgb colour{120, 96, 30};
      if (x < 2 || y < 2 || x > 29 || y > 29) {
        colour = {70, 54, 14};
      } else if (std::abs(radius - 20) < 3 || (std::abs(u) < 3 && std::abs(v) < 14) ||
                 (std::abs(v - 8) < 3 && std::abs(u) < 10)) {
        colour = {230, 200, 90};
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 8, image, 71, 8));
    }
  }
  return image;
}

RgbImage DrawLamp() {
  RgbImage image(16, 16);
  for (int y = 0; y < image.height; ++y) {
    const int v = Centred(y, 16);
    for (int x = 0; x < image.width; ++x) {
      const int u = Centred(x, 16);
      const int far = std::min(u * u + v * v, 256);
      image.At(x, y) = x == 0 || y == 0 || x == 15 || y == 15
                           ? Rgb{150, 60, 10}
                           : Mix({255, 255, 220}, {255, 170, 40}, far);
    }
  }
  return image;
}

RgbImage DrawColumn() {
  RgbImage image(64, 64);
  constexpr int kFlute[8] = {-30, -12, 0, 10, 14, 10, 0, -12};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      Rgb colour = Brighter({170, 176, 188}, kFlute[x % 8]);
      const int vein = TiledNoise(x, y, 16, 64, 64, 91);
      if (std::abs(vein - 128) < 5) colour = Brighter(colour, -36);
      image.At(x, y) = Brighter(colour, Grain(x, y, 8, image, 92, 8));
    }
  }
  return image;
}

RgbImage DrawStep() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      Rgb colour = Brighter({120, 112, 100}, Grain(x, y, 32, image, 101, 22));
      if (HashPoint(x, y, 102) >> 24 > 247) colour = Brighter(colour, -40);
      image.At(x, y) = colour;
    }
  }
  return image;
}

RgbImage DrawDestinationPlate() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    const int v = Centred(y, 64);
    for (int x = 0; x < image.width; ++x) {
      const int u = Centred(x, 64);
      const int radius = static_cast<int>(WholeSquareRoot(u * u + v * v));
      Rgb colour{30, 110, 116};
      if (std::abs(radius - 40) < 4 || (std::abs(u) < 3 && std::abs(v) < 28) ||
          (std::abs(v) < 3 && std::abs(u) < 28)) {
        colour = {150, 220, 220};
      } else if (std::max(std::abs(u), std::abs(v)) > 58) {
        colour = {14, 60, 64};
      }
      image.At(x, y) = Brighter(colour, Grain(x, y, 16, image, 111, 10));
    }
  }
  return image;
}

RgbImage DrawTeleportGlow() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    const int v = Centred(y, 64);
    for (int x = 0; x < image.width; ++x) {
      const int u = Centred(x, 64);
      const int radius = static_cast<int>(WholeSquareRoot(u * u + v * v));
      const int swirl = (radius + (TiledNoise(x, y, 16, 64, 64, 121) - 128) / 8) / 12;
      Rgb colour = swirl % 2 == 0 ? Rgb{40, 200, 255} : Rgb{10, 100, 150};
      if (radius < 10) colour = {230, 255, 255};
      if (std::max(std::abs(u), std::abs(v)) > 60) colour = {0, 60, 90};
      image.At(x, y) = colour;
    }
  }
  return image;
}

RgbImage DrawTrigger() {
  RgbImage image(64, 64);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int diagonal = (x + y) % 64;
      Rgb colour = (diagonal / 8) % 2 == 0 ? Rgb{236, 140, 60} : Rgb{100, 50, 130};
      if (diagonal % 8 == 0) colour = {30, 10, 30};
      image.At(x, y) = colour;
    }
  }
  return image;
}

RgbImage DrawSigil() {
  RgbImage image(128, 128);
  for (int y = 0; y < image.height; ++y) {
    const int v = std::abs(Centred(y, 128));
    for (int x = 0; x < image.width; ++x) {
      const int u = std::abs(Centred(x, 128));
      const int radius = static_cast<int>(WholeSquareRoot(u * u + v * v));
      Rgb colour = Brighter({40, 50, 50}, Grain(x, y, 32, image, 141, 14));
      const bool inside = radius < 100;
      const bool ring = std::abs(radius - 104) < 5 || std::abs(radius - 78) < 3;
      const bool square = inside && std::abs(std::max(u, v) - 70) < 3;
      const bool turned = inside && std::abs(u + v - 99) < 4;
      if (ring || square || turned || radius < 8) {
        colour = Brighter({120, 190, 90}, Grain(x, y, 8, image, 142, 12));
      }
      image.At(x, y) = colour;
    }
  }
  return image;
}

// Faces with this texture are left out by the compilers; ericw-tools' qbsp looks it up in every
// compile, so the kit has one. Grey diagonal stripes, should one ever show.
RgbImage DrawSkip() {
  RgbImage image(16, 16);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      image.At(x, y) = (x + y) % 8 < 4 ? Rgb{90, 90, 90} : Rgb{40, 40, 40};
    }
  }
  return image;
}

}  // namespace

const std::vector<KitTexture>& KitTextures() {
  static const std::vector<KitTexture> textures = {
      {"cw_rubble", DrawRubble, false, {}, kHeretic2Stone},
      {"cw_flagstone", DrawFlagstone, false, {}, kHeretic2Stone},
      {"cw_vault", DrawVault, false, {}, kHeretic2Stone},
      {"cw_ashlar", DrawAshlar, false, {}, kHeretic2Stone},
      {"cw_lintel", DrawLintel, false, {}, kHeretic2Stone},
      {"cw_bronze_door", DrawBronzeDoor, false, {}, kHeretic2Metal},
      {"cw_rune_button", DrawRuneButton, false, {}, kHeretic2Metal},
      {"cw_lamp", DrawLamp, true, {kSurfaceLight, kContentsDetail, 300}, kHeretic2Metal},
      {"cw_column", DrawColumn, false, {0, kContentsDetail, 0}, kHeretic2Stone},
      {"cw_step", DrawStep, false, {}, kHeretic2Stone},
      {"cw_dest_plate", DrawDestinationPlate, false, {}, kHeretic2Metal},
      {"cw_tele_glow", DrawTeleportGlow, true, {kSurfaceLight, 0, 150}},
      {"cw_trigger", DrawTrigger, false, {kSurfaceNoDraw, 0, 0}},
      {"cw_sigil", DrawSigil, false, {}, kHeretic2Stone},
      {"skip", DrawSkip, false, {kSurfaceNoDraw | kSurfaceSkip, 0, 0}},
  };
  return textures;
}

WalSurface Heretic2Surface(const KitTexture& texture) {
  WalSurface surface = texture.surface;
  surface.flags |= texture.heretic2Material;
  return surface;
}

}  // namespace cw::textures
