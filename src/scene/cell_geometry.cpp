#include "scene/cell_geometry.h"

#include "compiler/placement.h"
#include "compiler/texture_alignment.h"
#include "scene/texture_projection.h"

namespace cw::scene {
namespace {

Vec3 ToVec(const compiler::Point3& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

// The projection of the face's texture realigned for the cell. The cell changes only the offsets
// of the fields realigned for the orientation, so their projection is kept and its offsets set.
TextureProjection ProjectionInCell(const OrientedFace& face, std::int32_t flags,
                                   const compiler::Point3& shift) {
  const compiler::TextureFields aligned =
      compiler::AlignTexture(face.faceClass, flags, shift, face.fields);
  if (aligned.rotation != face.turned.rotation || aligned.xScale != face.turned.xScale ||
      aligned.yScale != face.turned.yScale) {
    return ProjectTexture(TextureOf(aligned), face.plane);
  }
  TextureProjection projection = face.projection;
  projection.sOffset = aligned.xOffset;
  projection.tOffset = aligned.yOffset;
  return projection;
}

void AddBrush(CellGeometry& cell, const OrientedBrush& brush, BrushFamily family,
              std::int32_t flags, const compiler::Point3& shift) {
  const Vec3 offset = ToVec(shift);
  for (const OrientedFace& face : brush.faces) {
    const TextureProjection projection = ProjectionInCell(face, flags, shift);
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
    }
  }
  ++cell.brushes;
}

}  // namespace

void AddPlacedBlock(CellGeometry& cell, const OrientedBlock& block,
                    const document::BlockRecord& record,
                    const settings::PlacementSettings& placement) {
  const compiler::Point3 shift = compiler::CellReferencePoint(placement, record.cell());
  cell.faces.reserve(cell.faces.size() + block.faceCount);
  cell.vertices.reserve(cell.vertices.size() + block.cornerCount);
  if (block.cornerCount > 0) {
    Include(cell.bounds, block.bounds.min + ToVec(shift));
    Include(cell.bounds, block.bounds.max + ToVec(shift));
  }
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
