#include "scene/polyhedron.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/number_format.h"

namespace cw::scene {
namespace {

using formats::IntPoint;
using formats::MapBrush;
using formats::MapFace;

// Half the side of the square that each face starts as; far beyond any level.
constexpr double kHuge = 1 << 20;
constexpr double kEpsilon = 1e-6;

Vec3 ToVec(const IntPoint& p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

std::vector<Vec3> BaseSquare(const Plane& plane) {
  Vec3 n = plane.normal * (1.0 / Length(plane.normal));
  // An axis not parallel to the normal gives the square's first direction.
  Vec3 axis = std::fabs(n.z) > 0.6 ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
  Vec3 u = Cross(axis, n);
  u = u * (kHuge / Length(u));
  Vec3 v = Cross(n, u);
  Vec3 centre = n * (plane.distance / Length(plane.normal));
  // Counter-clockwise seen from the front of the plane.
  return {centre - u - v, centre + u - v, centre + u + v, centre - u + v};
}

// Keeps the part of the polygon behind the plane.
std::vector<Vec3> ClipBehind(const std::vector<Vec3>& polygon, const Plane& plane) {
  std::vector<Vec3> kept;
  double scale = Length(plane.normal);
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    Vec3 a = polygon[i];
    Vec3 b = polygon[(i + 1) % polygon.size()];
    double da = plane.Side(a) / scale;
    double db = plane.Side(b) / scale;
    if (da <= kEpsilon) kept.push_back(a);
    if ((da < -kEpsilon && db > kEpsilon) || (da > kEpsilon && db < -kEpsilon)) {
      double t = da / (da - db);
      kept.push_back(a + (b - a) * t);
    }
  }
  return kept;
}

double PolygonArea(const std::vector<Vec3>& polygon) {
  Vec3 sum;
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    sum = sum + Cross(polygon[i] - polygon[0], polygon[i + 1] - polygon[0]);
  }
  return Length(sum) / 2;
}

std::string FaceProblem(const MapFace& face, std::size_t index, const char* what) {
  return "face " + platform::DecimalText(index + 1) + " (line " + platform::DecimalText(face.line) +
         ") " + what;
}

}  // namespace

std::optional<Plane> PlaneThrough(Vec3 p1, Vec3 p2, Vec3 p3) {
  Vec3 normal = Cross(p1 - p2, p3 - p2);
  if (normal == Vec3{}) return std::nullopt;
  return Plane{normal, Dot(normal, p2)};
}

std::optional<Plane> FacePlane(const MapFace& face) {
  return PlaneThrough(ToVec(face.points[0]), ToVec(face.points[1]), ToVec(face.points[2]));
}

SolidFaces IntersectHalfSpaces(const std::vector<Plane>& planes) {
  SolidFaces faces;
  for (std::size_t i = 0; i < planes.size(); ++i) {
    std::vector<Vec3> polygon = BaseSquare(planes[i]);
    for (std::size_t j = 0; j < planes.size() && !polygon.empty(); ++j) {
      if (j != i) polygon = ClipBehind(polygon, planes[j]);
    }
    if (polygon.size() < 3 || PolygonArea(polygon) < kEpsilon) polygon.clear();
    for (const Vec3& p : polygon) {
      if (std::fabs(p.x) > kHuge / 2 || std::fabs(p.y) > kHuge / 2 || std::fabs(p.z) > kHuge / 2) {
        faces.bounded = false;
      }
    }
    faces.polygons.push_back(std::move(polygon));
  }
  return faces;
}

BrushReport CheckBrush(const MapBrush& brush) {
  BrushReport report;
  std::vector<Plane> planes;
  for (std::size_t i = 0; i < brush.faces.size(); ++i) {
    auto plane = FacePlane(brush.faces[i]);
    if (!plane) {
      report.problems.push_back(FaceProblem(brush.faces[i], i, "has collinear points"));
    } else {
      planes.push_back(*plane);
    }
  }
  if (!report.problems.empty()) return report;
  if (planes.size() < 4) {
    report.problems.push_back("fewer than four faces cannot enclose a solid");
    return report;
  }

  SolidFaces faces = IntersectHalfSpaces(planes);
  Polyhedron solid;
  double twiceVolume = 0;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  solid.bounds = {{kInfinity, kInfinity, kInfinity}, {-kInfinity, -kInfinity, -kInfinity}};
  for (std::size_t i = 0; i < faces.polygons.size(); ++i) {
    const std::vector<Vec3>& polygon = faces.polygons[i];
    if (polygon.empty()) {
      report.problems.push_back(
          FaceProblem(brush.faces[i], i, "does not bound the solid (redundant or facing inward)"));
    }
    for (const Vec3& p : polygon) {
      solid.bounds.min = {std::min(solid.bounds.min.x, p.x), std::min(solid.bounds.min.y, p.y),
                          std::min(solid.bounds.min.z, p.z)};
      solid.bounds.max = {std::max(solid.bounds.max.x, p.x), std::max(solid.bounds.max.y, p.y),
                          std::max(solid.bounds.max.z, p.z)};
    }
    // Divergence theorem: each face adds its area vector times a point on it.
    for (std::size_t k = 1; k + 1 < polygon.size(); ++k) {
      twiceVolume += Dot(polygon[0], Cross(polygon[k] - polygon[0], polygon[k + 1] - polygon[0]));
    }
  }
  solid.polygons = std::move(faces.polygons);
  solid.volume = twiceVolume / 6;
  if (!faces.bounded) {
    report.problems.push_back("the faces do not enclose a finite solid");
  } else if (solid.volume <= kEpsilon) {
    report.problems.push_back("the faces enclose no volume");
  }
  if (report.problems.empty()) report.solid = std::move(solid);
  return report;
}

std::optional<Column> VerticalColumn(const std::vector<Plane>& planes, double x, double y) {
  Column column{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                planes.size()};
  for (std::size_t i = 0; i < planes.size(); ++i) {
    const Plane& plane = planes[i];
    double rest = plane.distance - plane.normal.x * x - plane.normal.y * y;
    if (plane.normal.z > 0) {
      double limit = rest / plane.normal.z;
      if (limit < column.top) {
        column.top = limit;
        column.topPlane = i;
      }
    } else if (plane.normal.z < 0) {
      column.bottom = std::max(column.bottom, rest / plane.normal.z);
    } else if (rest < 0) {
      return std::nullopt;
    }
  }
  if (column.topPlane == planes.size() || column.bottom > column.top) return std::nullopt;
  return column;
}

}  // namespace cw::scene
