#include "scene/cell_geometry.h"

#include <algorithm>
#include <limits>

#include "compiler/placement.h"
#include "compiler/texture_alignment.h"
#include "scene/texture_projection.h"

namespace cw::scene {
namespace {

void Include(Box& box, const Vec3& p) {
  box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
  box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
}

Vec3 ToVec(const compiler::Point3& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

void AddBrush(CellGeometry& cell, const OrientedBrush& brush, BrushFamily family,
              std::int32_t flags, const compiler::Point3& shift) {
  const Vec3 offset = ToVec(shift);
  for (const OrientedFace& face : brush.faces) {
    const compiler::TextureFields aligned =
        compiler::AlignTexture(face.faceClass, flags, shift, face.fields);
    const TextureProjection projection = ProjectTexture(
        FaceTexture{aligned.xOffset, aligned.yOffset, static_cast<double>(aligned.rotation),
                    aligned.xScale, aligned.yScale},
        face.plane);
    FacePolygon polygon;
    polygon.firstVertex = static_cast<std::uint32_t>(cell.vertices.size());
    polygon.vertexCount = static_cast<std::uint32_t>(face.polygon.size());
    polygon.texture = face.texture;
    polygon.brush = cell.brushes;
    polygon.family = family;
    cell.faces.push_back(polygon);
    for (const Vec3& corner : face.polygon) {
      const Vec3 placed = corner + offset;
      const TexturePoint texel = TextureAt(projection, placed);
      cell.vertices.push_back({static_cast<float>(placed.x), static_cast<float>(placed.y),
                               static_cast<float>(placed.z), static_cast<float>(texel.s),
                               static_cast<float>(texel.t), face.shade});
      Include(cell.bounds, placed);
    }
  }
  ++cell.brushes;
}

}  // namespace

Box CellGeometry::EmptyBox() {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return {{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
}

void AddPlacedBlock(CellGeometry& cell, const OrientedBlock& block,
                    const document::BlockRecord& record,
                    const settings::PlacementSettings& placement) {
  const compiler::Point3 shift = compiler::CellReferencePoint(placement, record.cell());
  for (const OrientedBrush& brush : block.worldBrushes) {
    AddBrush(cell, brush, BrushFamily::kWorld, record.flags, shift);
  }
  for (const OrientedEntity& entity : block.entities) {
    if (!entity.brushes.empty()) {
      for (const OrientedBrush& brush : entity.brushes) {
        AddBrush(cell, brush, entity.brushFamily, record.flags, shift);
      }
      continue;
    }
    PointEntity point;
    if (entity.origin) {
      const auto& o = *entity.origin;
      point.origin = ToVec(compiler::PlacePoint(placement, record, o[0], o[1], o[2]));
    }
    point.classname = entity.classname;
    point.family = entity.pointFamily;
    Include(cell.bounds, point.origin);
    cell.points.push_back(std::move(point));
  }
}

}  // namespace cw::scene
