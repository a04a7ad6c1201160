#include "support/texture_seams.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "scene/polyhedron.h"
#include "scene/texture_projection.h"

namespace cw::testing {

using formats::MapBrush;
using scene::BrushReport;
using scene::CheckBrush;
using scene::FacePlane;
using scene::ProjectTexture;
using scene::TextureAt;
using scene::TexturePoint;
using scene::TextureProjection;

namespace {

constexpr double kEpsilon = 1e-6;

struct Segment {
  Vec3 from;
  Vec3 to;
};

// The part that two edges on one line share, when it has a length.
std::optional<Segment> SharedPart(Vec3 a0, Vec3 a1, Vec3 b0, Vec3 b1) {
  const double length = Length(a1 - a0);
  if (length < kEpsilon) return std::nullopt;
  const Vec3 along = (a1 - a0) * (1 / length);
  if (Length(Cross(along, b0 - a0)) > kEpsilon || Length(Cross(along, b1 - a0)) > kEpsilon) {
    return std::nullopt;
  }
  const double t0 = Dot(b0 - a0, along);
  const double t1 = Dot(b1 - a0, along);
  const double start = std::max(0.0, std::min(t0, t1));
  const double end = std::min(length, std::max(t0, t1));
  if (end - start < kEpsilon) return std::nullopt;
  return Segment{a0 + along * start, a0 + along * end};
}

bool Congruent(double a, double b, int period) {
  const double rest = std::fabs(std::fmod(a - b, static_cast<double>(period)));
  return rest < 1e-4 || std::fabs(rest - period) < 1e-4;
}

// A symmetry of a tile about its corner: the coordinates exchanged or not, then signs.
struct TileSymmetry {
  bool exchange = false;
  int sSign = 1;
  int tSign = 1;
  TexturePoint Apply(TexturePoint p) const {
    const double s = exchange ? p.t : p.s;
    const double t = exchange ? p.s : p.t;
    return {sSign * s, tSign * t};
  }
};

std::vector<TileSymmetry> Symmetries(bool turned, bool fromAbove, TextureSize size) {
  std::vector<TileSymmetry> symmetries = {{}};
  if (!turned) return symmetries;
  if (!fromAbove) {
    symmetries.push_back({false, -1, 1});
    return symmetries;
  }
  for (bool exchange : {false, true}) {
    if (exchange && size.width != size.height) continue;
    for (int sSign : {1, -1}) {
      for (int tSign : {1, -1}) {
        if (!exchange && sSign == 1 && tSign == 1) continue;
        symmetries.push_back({exchange, sSign, tSign});
      }
    }
  }
  return symmetries;
}

bool Continues(const PlacedFace& first, const PlacedFace& second, const Segment& edge,
               TextureSize size, bool turned) {
  const TextureProjection a = ProjectTexture(first.face, first.plane);
  const TextureProjection b = ProjectTexture(second.face, second.plane);
  const double length = Length(edge.to - edge.from);
  const int steps = std::max(1, static_cast<int>(std::ceil(length)));
  for (const TileSymmetry& symmetry : Symmetries(turned, a.fromAbove, size)) {
    bool all = true;
    for (int i = 0; i <= steps && all; ++i) {
      const Vec3 point = edge.from + (edge.to - edge.from) * (static_cast<double>(i) / steps);
      const TexturePoint there = symmetry.Apply(TextureAt(a, point));
      const TexturePoint here = TextureAt(b, point);
      all = Congruent(there.s, here.s, size.width) && Congruent(there.t, here.t, size.height);
    }
    if (all) return true;
  }
  return false;
}

}  // namespace

std::vector<PlacedFace> CollectPlacedFaces(const std::vector<MapEntity>& entities) {
  std::vector<PlacedFace> faces;
  for (const MapEntity& entity : entities) {
    for (const MapBrush& brush : entity.brushes) {
      const BrushReport report = CheckBrush(brush);
      if (!report.solid) continue;
      for (std::size_t i = 0; i < brush.faces.size(); ++i) {
        const Plane plane = *FacePlane(brush.faces[i]);
        const double length = Length(plane.normal);
        faces.push_back({brush.faces[i],
                         {plane.normal * (1 / length), plane.distance / length},
                         report.solid->polygons[i]});
      }
    }
  }
  return faces;
}

SeamSearch FindTextureSeams(const std::vector<PlacedFace>& first,
                            const std::vector<PlacedFace>& second,
                            const std::map<std::string, TextureSize>& sizes, bool turned) {
  SeamSearch search;
  for (const PlacedFace& a : first) {
    const auto size = sizes.find(a.face.texture);
    if (size == sizes.end()) continue;
    for (const PlacedFace& b : second) {
      if (b.face.texture != a.face.texture || Dot(a.plane.normal, b.plane.normal) < 1 - 1e-9 ||
          std::fabs(a.plane.distance - b.plane.distance) > kEpsilon) {
        continue;
      }
      for (std::size_t i = 0; i < a.polygon.size(); ++i) {
        for (std::size_t j = 0; j < b.polygon.size(); ++j) {
          const std::optional<Segment> edge =
              SharedPart(a.polygon[i], a.polygon[(i + 1) % a.polygon.size()], b.polygon[j],
                         b.polygon[(j + 1) % b.polygon.size()]);
          if (!edge) continue;
          ++search.sharedEdges;
          if (!Continues(a, b, *edge, size->second, turned)) {
            search.seams.push_back(
                {a.face.texture, a.face.line, b.face.line, edge->from, edge->to});
          }
        }
      }
    }
  }
  return search;
}

}  // namespace cw::testing
