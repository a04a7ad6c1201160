#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/records.h"
#include "scene/vec3.h"
#include "settings/placement_settings.h"

namespace cw::scene {

// Where the view draws a cell's links from and to: the cell reference point raised by half a
// floor (Bz / 2, truncated), where Build puts the cell's link relay.
Vec3 CellCentre(const settings::PlacementSettings& placement, const document::Cell& cell);

// The space of a cell: Bx by By around its reference point, from its floor's height to the next
// floor's. Its bottom rectangle is the marker's outline.
Box CellBox(const settings::PlacementSettings& placement, const document::Cell& cell);

// A link drawn as a line between the centres of its two cells, with their floors, so that links
// whose two ends lie above the current floor can be left out.
struct LinkLine {
  Vec3 from;
  Vec3 to;
  std::int32_t fromFloor = 0;
  std::int32_t toFloor = 0;
};

// One line per link record that parses, in list order.
std::vector<LinkLine> LinkLines(const std::vector<std::string>& linkList,
                                const settings::PlacementSettings& placement);

}  // namespace cw::scene
