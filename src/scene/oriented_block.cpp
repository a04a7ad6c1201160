#include "scene/oriented_block.h"

#include <utility>

#include "compiler/placement.h"
#include "compiler/texture_alignment.h"
#include "formats/map_text.h"
#include "scene/polyhedron.h"

namespace cw::scene {
namespace {

// The face's three points as a placed face line has them, less the cell reference point.
std::array<Vec3, 3> OrientedPoints(const compiler::FaceFields& fields, std::int32_t flags) {
  std::array<Vec3, 3> points;
  for (int i = 0; i < 3; ++i) {
    const auto& p = fields.points[i];
    const compiler::Point2 oriented = compiler::OrientPoint(flags, p[0], p[1]);
    points[i] = {static_cast<double>(oriented.x), static_cast<double>(oriented.y),
                 static_cast<double>(p[2])};
  }
  if (compiler::IsMirroring(flags)) std::swap(points[0], points[2]);
  return points;
}

// Collects the face lines of one brush, then cuts its polygons.
class BrushBuilder {
 public:
  BrushBuilder(std::int32_t flags, TextureNames& textures) : flags_(flags), textures_(textures) {}

  void AddFace(const compiler::PreparedFace& face) {
    const std::array<Vec3, 3> points = OrientedPoints(face.fields, flags_);
    const std::optional<Plane> plane = PlaneThrough(points[0], points[1], points[2]);
    if (!plane) return;  // collinear points: no plane, as a map compiler finds none
    OrientedFace oriented;
    oriented.plane = *plane;
    oriented.texture = textures_.Number(face.fields.textureName);
    oriented.faceClass = face.faceClass;
    oriented.fields = face.fields.texture;
    oriented.turned = compiler::AlignTexture(face.faceClass, flags_, {}, oriented.fields);
    oriented.projection = ProjectTexture(TextureOf(oriented.turned), *plane);
    oriented.shade = ShadeOf(plane->normal);
    faces_.push_back(std::move(oriented));
  }

  // The brush, when its planes enclose a finite solid.
  std::optional<OrientedBrush> Finish() {
    std::vector<Plane> planes;
    planes.reserve(faces_.size());
    for (const OrientedFace& face : faces_) planes.push_back(face.plane);
    SolidFaces solid = IntersectHalfSpaces(planes);
    std::vector<OrientedFace> faces = std::move(faces_);
    faces_.clear();
    if (!solid.bounded || faces.size() < 4) return std::nullopt;
    OrientedBrush brush;
    for (std::size_t i = 0; i < faces.size(); ++i) {
      if (solid.polygons[i].empty()) continue;
      faces[i].polygon = std::move(solid.polygons[i]);
      brush.faces.push_back(std::move(faces[i]));
    }
    if (brush.faces.empty()) return std::nullopt;
    return brush;
  }

 private:
  std::int32_t flags_;
  TextureNames& textures_;
  std::vector<OrientedFace> faces_;
};

void ReadWorldBrushes(const std::vector<compiler::TemplateLine>& lines, BrushBuilder& builder,
                      std::vector<OrientedBrush>& brushes) {
  bool inBrush = false;
  for (const compiler::TemplateLine& line : lines) {
    switch (compiler::KindOfLine(line.text)) {
      case compiler::LineKind::kOpening:
        inBrush = true;
        break;
      case compiler::LineKind::kClosing:
        if (inBrush) {
          if (std::optional<OrientedBrush> brush = builder.Finish()) {
            brushes.push_back(std::move(*brush));
          }
        }
        inBrush = false;
        break;
      case compiler::LineKind::kFace:
        if (inBrush && line.face) builder.AddFace(*line.face);
        break;
      default:
        break;
    }
  }
}

void ReadEntities(const std::vector<compiler::TemplateLine>& lines, BrushBuilder& builder,
                  const std::vector<std::string>& playerStarts,
                  std::vector<OrientedEntity>& entities) {
  enum class Depth { kOutside, kEntity, kBrush } depth = Depth::kOutside;
  bool classnameRead = false;
  for (const compiler::TemplateLine& line : lines) {
    switch (compiler::KindOfLine(line.text)) {
      case compiler::LineKind::kOpening:
        if (depth == Depth::kOutside) {
          entities.emplace_back();
          classnameRead = false;
          depth = Depth::kEntity;
        } else {
          depth = Depth::kBrush;
        }
        break;
      case compiler::LineKind::kClosing:
        if (depth == Depth::kBrush) {
          if (std::optional<OrientedBrush> brush = builder.Finish()) {
            entities.back().brushes.push_back(std::move(*brush));
          }
          depth = Depth::kEntity;
        } else {
          depth = Depth::kOutside;
        }
        break;
      case compiler::LineKind::kFace:
        if (depth == Depth::kBrush && line.face) builder.AddFace(*line.face);
        break;
      case compiler::LineKind::kKey:
        if (depth != Depth::kEntity) break;
        // The map keeps the first of two keys of one name, as a map reader does.
        if (line.key && line.key->kind == compiler::KeyKind::kOrigin && !entities.back().origin) {
          entities.back().origin = line.key->numbers;
        } else if (!classnameRead) {
          const auto key = formats::ParseKeyLine(line.text);
          if (key && key->first == "classname") {
            entities.back().classname = key->second;
            classnameRead = true;
          }
        }
        break;
      case compiler::LineKind::kOther:
        break;
    }
  }
  for (OrientedEntity& entity : entities) {
    entity.pointFamily = PointFamilyOf(entity.classname, playerStarts);
    entity.brushFamily = BrushFamilyOf(entity.classname);
  }
}

void Count(const OrientedBrush& brush, OrientedBlock& block) {
  block.faceCount += brush.faces.size();
  for (const OrientedFace& face : brush.faces) {
    block.cornerCount += face.polygon.size();
    for (const Vec3& corner : face.polygon) Include(block.bounds, corner);
  }
}

}  // namespace

FaceTexture TextureOf(const compiler::TextureFields& fields) {
  return {fields.xOffset, fields.yOffset, static_cast<double>(fields.rotation), fields.xScale,
          fields.yScale};
}

OrientedBlock OrientBlock(const compiler::BlockTemplate& block, std::int32_t flags,
                          const std::vector<std::string>& playerStarts, TextureNames& textures) {
  OrientedBlock oriented;
  BrushBuilder builder(flags, textures);
  ReadWorldBrushes(block.worldspawn, builder, oriented.worldBrushes);
  builder.Finish();  // a brush left open at the end of the section is no brush
  ReadEntities(block.entities, builder, playerStarts, oriented.entities);
  for (const OrientedBrush& brush : oriented.worldBrushes) Count(brush, oriented);
  for (const OrientedEntity& entity : oriented.entities) {
    for (const OrientedBrush& brush : entity.brushes) Count(brush, oriented);
  }
  return oriented;
}

float ShadeOf(const Vec3& normal) {
  const double length = Length(normal);
  if (length == 0) return 1;
  const Vec3 light = Vec3{0.4, 0.6, 1.0} * (1 / Length(Vec3{0.4, 0.6, 1.0}));
  // From 0.35 for a face turned away from the light to 1 for one that faces it.
  return static_cast<float>(0.35 + 0.65 * (0.5 + 0.5 * Dot(normal, light) / length));
}

}  // namespace cw::scene
