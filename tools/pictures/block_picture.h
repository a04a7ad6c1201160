#pragma once

#include <vector>

#include "formats/bmp_file.h"
#include "formats/map_text.h"

namespace cw::pictures {

using formats::IndexedPicture;
using formats::MapEntity;

// Which part of the world a block picture shows: the square footprint of one cell, seen from
// above as a section at cutHeight above floorZ. Screen x runs along world +X and screen y down
// along world -Y.
struct PictureView {
  double centreX = 0;
  double centreY = 0;
  double floorZ = 0;
  double footprint = 128;  // world units across the picture
  double cutHeight = 110;  // brushes starting at or above the cut (ceilings, lintels) are left out
  int size = 32;           // pixels across the picture
};

// Draws the brushes of the entities from above, one sample at each pixel's centre: what stands
// through the cut is drawn at full brightness, a surface below it darker the lower it lies, and
// a surface at the foot of a higher one darker still, so walls get an outline. World brushes take
// their colour from the texture of their top face; doors, buttons and triggers have colours of
// their own. Point entities with an origin are marked by the pixels within 5 units of it: lights
// yellow, player starts green, teleport destinations cyan, others white. Every sample and mark
// depends only on the world point under it, so turning or mirroring the brushes turns the
// picture exactly.
IndexedPicture RenderBlockPicture(const std::vector<MapEntity>& entities, const PictureView& view);

// The background tile of an empty cell, with a grid line along its right and bottom edges.
IndexedPicture EmptyPicture();

// The picture of a block whose own picture is missing: a question mark in a frame.
IndexedPicture UnknownPicture();

}  // namespace cw::pictures
