// The kit level that the scene and 3D view benchmarks share.
#pragma once

#include "document/level.h"
#include "document/records.h"

namespace cw::bench {

// A floor of 32 x 32 cells, each a block of the kit turned one of the eight ways.
inline document::Level KitFullFloor() {
  const char* const kBlocks[] = {
      "Floor",   "Wall",  "Corner", "WallEnd", "Corridor",  "Doorway",  "Door",     "Button",
      "Trigger", "Light", "Start",  "Stairs",  "StairWell", "Teleport", "TeleDest", "Pillar"};
  document::Level level;
  for (int column = 0; column < 32; ++column) {
    for (int row = 0; row < 32; ++row) {
      level.BlockList.push_back(document::FormatBlockRecord(
          {0, column, row, (column + 3 * row) & 7, kBlocks[(column * 7 + row) % 16]}));
    }
  }
  return level;
}

}  // namespace cw::bench
