#pragma once

#include <cstdint>
#include <vector>

#include "formats/wal_file.h"
#include "textures/rgb_image.h"

namespace cw::textures {

using formats::WalSurface;

// Heretic II's materials, in the top byte of the surface flags: the sound of steps and hits.
// A face with none of them is gravel.
inline constexpr std::int32_t kHeretic2Metal = 0x01000000;
inline constexpr std::int32_t kHeretic2Stone = 0x02000000;
inline constexpr std::int32_t kHeretic2Wood = 0x03000000;

// One texture of the kit: its name (the one the templates use), what it looks like, whether it
// glows (only a glowing texture may use a palette's last 32 colours, which Quake draws at full
// brightness), what a Quake 2 compiler is to take for the faces that use it, and its Heretic II
// material.
struct KitTexture {
  const char* name;
  RgbImage (*draw)();
  bool glows;
  WalSurface surface;
  std::int32_t heretic2Material = 0;
};

// What a Heretic II compiler is to take for the faces that use the texture: its Quake 2 numbers
// with its material added to the surface flags.
WalSurface Heretic2Surface(const KitTexture& texture);

// The textures of the kit: those its blocks name, and "skip", which ericw-tools' qbsp looks up in
// every compile. They are drawn from numbers alone so that they can be made again with any
// palette. Sizes are multiples of 16 that divide the 128 of a cell, and square where the
// texture lies on floors and ceilings, so that it tiles across neighbouring cells however they
// are turned.
const std::vector<KitTexture>& KitTextures();

}  // namespace cw::textures
