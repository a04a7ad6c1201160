#include "scene/scene_overlays.h"

#include "compiler/placement.h"

namespace cw::scene {

Vec3 CellCentre(const settings::PlacementSettings& placement, const document::Cell& cell) {
  const compiler::Point3 reference = compiler::CellReferencePoint(placement, cell);
  return {static_cast<double>(reference.x), static_cast<double>(reference.y),
          static_cast<double>(reference.z + placement.Bz / 2)};
}

Box CellBox(const settings::PlacementSettings& placement, const document::Cell& cell) {
  const compiler::Point3 reference = compiler::CellReferencePoint(placement, cell);
  const Vec3 low{static_cast<double>(reference.x) - placement.Bx / 2.0,
                 static_cast<double>(reference.y) - placement.By / 2.0,
                 static_cast<double>(reference.z)};
  return {low, low + Vec3{static_cast<double>(placement.Bx), static_cast<double>(placement.By),
                          static_cast<double>(placement.Bz)}};
}

std::vector<LinkLine> LinkLines(const std::vector<std::string>& linkList,
                                const settings::PlacementSettings& placement) {
  std::vector<LinkLine> lines;
  lines.reserve(linkList.size());
  for (const std::string& text : linkList) {
    const std::optional<document::LinkRecord> link = document::ParseLinkRecord(text);
    if (!link) continue;  // Build writes no relay for it either
    lines.push_back({CellCentre(placement, link->start()), CellCentre(placement, link->end()),
                     link->startFloor, link->endFloor});
  }
  return lines;
}

}  // namespace cw::scene
