#pragma once

#include <vector>

#include "kit/rgb_image.h"
#include "kit/wal_file.h"

namespace cw::kit {

// One texture of the kit: its name (the one the templates use), what it looks like, whether it
// glows (only a glowing texture may use a palette's last 32 colours, which Quake draws at full
// brightness), and what a Quake 2 compiler is to take for the faces that use it.
struct KitTexture {
  const char* name;
  RgbImage (*draw)();
  bool glows;
  WalSurface surface;
};

// The textures of the kit: those its blocks name, and "skip", which ericw-tools' qbsp looks up in
// every compile. They are drawn from numbers alone so that they can be made again with any
// palette. Sizes are multiples of 16 that divide the 128 of a cell, and square where the
// texture lies on floors and ceilings, so that it tiles across neighbouring cells however they
// are turned.
const std::vector<KitTexture>& KitTextures();

}  // namespace cw::kit
