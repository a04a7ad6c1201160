#pragma once

#include <QColor>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "compiler/point_file.h"
#include "document/records.h"
#include "editor/leak_overlay.h"
#include "scene/cell_geometry.h"
#include "scene/entity_family.h"
#include "scene/ray_hit.h"
#include "scene/scene_overlays.h"
#include "settings/placement_settings.h"

namespace cw::forms {

// A corner of what the 3D view draws in plain colours: entity boxes and lines.
struct ColouredVertex {
  float x = 0;
  float y = 0;
  float z = 0;
  float r = 0;
  float g = 0;
  float b = 0;
};

// The colours of the 3D view.
QColor PointFamilyColour(scene::PointFamily family);
// The tint of a brush entity's faces, its alpha how much of it covers the texture (none for the
// world's).
QColor BrushFamilyTint(scene::BrushFamily family);
inline const QColor kBackgroundColour(40, 44, 52);
inline const QColor kLinkColour(255, 220, 0);
inline const QColor kLeakColour = QColor::fromRgb(editor::kLeakColour);  // as the floor view's
inline const QColor kMarkerColour(0, 255, 0);

// The height above which the cut-away leaves the level out when `floor` is the current floor: the
// floors above it and the top eighth of its own height, where a block's ceiling lies, so that
// what stands on the floor is seen from above.
double CutHeight(const settings::PlacementSettings& placement, std::int32_t floor);

// The ray from where it comes below the cut height: a face above it is not seen, so it is not
// hit. The same ray when it starts below; none when it never comes below.
std::optional<scene::Ray> BelowCut(const scene::Ray& ray, double cutHeight);

// Half the side of a point entity's box, in map units.
inline constexpr double kPointBoxHalf = 8;
scene::Box PointBox(const scene::PointEntity& point);

// The boxes of the point entities of a floor's cells, as triangles, each side shaded by its
// direction as the faces are.
std::vector<ColouredVertex> PointBoxes(
    const std::map<std::pair<std::int32_t, std::int32_t>, scene::CellGeometry>& cells);

// The lines drawn over the level, without depth, in the order the renderer draws them.
struct OverlayLines {
  std::vector<ColouredVertex> vertices;
  std::size_t links = 0;   // vertices of the link lines (two a line) from the first
  std::size_t leak = 0;    // vertices of the leak's path (a strip) after them
  std::size_t marker = 0;  // vertices of the marker's outline (a loop) after them
};

// The link lines with an end on the floors up to highestFloor (all of them without one), the
// leak's path, and the bottom of the marker's cell, raised a little above its floor.
OverlayLines MakeOverlayLines(const std::vector<scene::LinkLine>& links,
                              std::optional<std::int32_t> highestFloor,
                              const std::vector<compiler::MapPoint>& leak,
                              const std::optional<document::Cell>& marker,
                              const settings::PlacementSettings& placement);

}  // namespace cw::forms
