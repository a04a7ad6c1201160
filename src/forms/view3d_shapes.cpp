#include "forms/view3d_shapes.h"

#include "scene/oriented_block.h"

namespace cw::forms {
namespace {

ColouredVertex At(const scene::Vec3& p, const QColor& colour, float shade = 1) {
  return {static_cast<float>(p.x),
          static_cast<float>(p.y),
          static_cast<float>(p.z),
          static_cast<float>(colour.redF()) * shade,
          static_cast<float>(colour.greenF()) * shade,
          static_cast<float>(colour.blueF()) * shade};
}

// The six sides of a box, each as two triangles counter-clockwise seen from outside.
void AddBox(std::vector<ColouredVertex>& out, const scene::Box& box, const QColor& colour) {
  const scene::Vec3& l = box.min;
  const scene::Vec3& h = box.max;
  struct Side {
    scene::Vec3 normal;
    scene::Vec3 corners[4];
  };
  const Side sides[6] = {
      {{0, 0, 1}, {{l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}},
      {{0, 0, -1}, {{l.x, l.y, l.z}, {l.x, h.y, l.z}, {h.x, h.y, l.z}, {h.x, l.y, l.z}}},
      {{1, 0, 0}, {{h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}}},
      {{-1, 0, 0}, {{l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}, {l.x, h.y, l.z}}},
      {{0, 1, 0}, {{l.x, h.y, l.z}, {l.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, h.y, l.z}}},
      {{0, -1, 0}, {{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}}},
  };
  for (const Side& side : sides) {
    const float shade = scene::ShadeOf(side.normal);
    for (const int corner : {0, 1, 2, 0, 2, 3})
      out.push_back(At(side.corners[corner], colour, shade));
  }
}

}  // namespace

QColor PointFamilyColour(scene::PointFamily family) {
  switch (family) {
    case scene::PointFamily::kPlayerStart:
      return {40, 220, 60};
    case scene::PointFamily::kLight:
      return {255, 230, 90};
    case scene::PointFamily::kTeleportDestination:
      return {60, 220, 240};
    case scene::PointFamily::kOther:
      break;
  }
  return {90, 160, 255};
}

QColor BrushFamilyTint(scene::BrushFamily family) {
  switch (family) {
    case scene::BrushFamily::kWorld:
      break;
    case scene::BrushFamily::kDoor:
      return {255, 150, 40, 90};
    case scene::BrushFamily::kButton:
      return {255, 40, 40, 110};
    case scene::BrushFamily::kTrigger:
      return {200, 60, 255, 140};
    case scene::BrushFamily::kOtherEntity:
      return {40, 220, 200, 90};
  }
  return {0, 0, 0, 0};
}

double CutHeight(const settings::PlacementSettings& placement, std::int32_t floor) {
  return static_cast<double>(placement.Bz) * floor + placement.Bz - placement.Bz / 8.0;
}

std::optional<scene::Ray> BelowCut(const scene::Ray& ray, double cutHeight) {
  if (ray.origin.z <= cutHeight) return ray;
  if (ray.direction.z >= 0) return std::nullopt;
  const double along = (cutHeight - ray.origin.z) / ray.direction.z;
  return scene::Ray{ray.origin + ray.direction * along, ray.direction};
}

scene::Box PointBox(const scene::PointEntity& point) {
  const scene::Vec3 half{kPointBoxHalf, kPointBoxHalf, kPointBoxHalf};
  return {point.origin - half, point.origin + half};
}

std::vector<ColouredVertex> PointBoxes(
    const std::map<std::pair<std::int32_t, std::int32_t>, scene::CellGeometry>& cells) {
  std::vector<ColouredVertex> vertices;
  for (const auto& [key, cell] : cells) {
    for (const scene::PointEntity& point : cell.points) {
      AddBox(vertices, PointBox(point), PointFamilyColour(point.family));
    }
  }
  return vertices;
}

OverlayLines MakeOverlayLines(const std::vector<scene::LinkLine>& links,
                              std::optional<std::int32_t> highestFloor,
                              const std::vector<compiler::MapPoint>& leak,
                              const std::optional<document::Cell>& marker,
                              const settings::PlacementSettings& placement) {
  OverlayLines lines;
  for (const scene::LinkLine& link : links) {
    if (highestFloor && link.fromFloor > *highestFloor && link.toFloor > *highestFloor) continue;
    lines.vertices.push_back(At(link.from, kLinkColour));
    lines.vertices.push_back(At(link.to, kLinkColour));
  }
  lines.links = lines.vertices.size();
  for (const compiler::MapPoint& point : leak) {
    lines.vertices.push_back(At({point.x, point.y, point.z}, kLeakColour));
  }
  lines.leak = leak.size();
  if (marker) {
    const scene::Box box = scene::CellBox(placement, *marker);
    // Raised by a unit so that it is not lost in a floor face at the same height.
    const double z = box.min.z + 1;
    for (const scene::Vec3& corner :
         {scene::Vec3{box.min.x, box.min.y, z}, scene::Vec3{box.max.x, box.min.y, z},
          scene::Vec3{box.max.x, box.max.y, z}, scene::Vec3{box.min.x, box.max.y, z}}) {
      lines.vertices.push_back(At(corner, kMarkerColour));
    }
    lines.marker = 4;
  }
  return lines;
}

}  // namespace cw::forms
