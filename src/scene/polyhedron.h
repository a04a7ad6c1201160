#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/map_text.h"
#include "scene/vec3.h"

namespace cw::scene {

// The plane of a face as the Quake map compilers take it: normal (p1 - p2) x (p3 - p2) through
// p2, so the points run clockwise seen from outside and the solid lies behind the plane. Empty
// for three collinear (or coincident) points.
std::optional<Plane> PlaneThrough(Vec3 p1, Vec3 p2, Vec3 p3);
std::optional<Plane> FacePlane(const formats::MapFace& face);

// The faces of the convex solid behind all of the planes: one polygon per plane, in plane order,
// corners counter-clockwise seen from the front of the plane. Each starts as a huge square on its
// plane and is clipped by every other plane; a plane that touches the solid in less than an area
// (redundant, or facing inward) gets an empty polygon.
struct SolidFaces {
  std::vector<std::vector<Vec3>> polygons;
  bool bounded = true;  // false when a polygon reaches that huge square: the solid is open
};
SolidFaces IntersectHalfSpaces(const std::vector<Plane>& planes);

// The convex solid that a brush's planes enclose: one polygon per face, in face order; a face
// whose plane does not touch the solid has an empty polygon.
struct Polyhedron {
  std::vector<std::vector<Vec3>> polygons;
  Box bounds;
  double volume = 0;
};

// What is wrong with a brush as a solid; empty for a sound brush.
struct BrushReport {
  std::optional<Polyhedron> solid;  // set when the brush encloses a finite, non-empty volume
  std::vector<std::string> problems;
};

// Intersects the half-spaces behind the brush's face planes, polygon by polygon: each face
// starts as a huge square on its plane and is clipped by every other plane. A sound brush has
// at least four faces with non-collinear points, encloses a finite volume, and each face plane
// carries a polygon of the solid: a plane that touches nothing is redundant or faces inward.
BrushReport CheckBrush(const formats::MapBrush& brush);

// The part of a vertical line through (x, y) that lies inside the half-spaces, as the z range
// and the index of the plane that caps it from above. Empty when the line misses the solid.
struct Column {
  double bottom = 0;
  double top = 0;
  std::size_t topPlane = 0;
};
std::optional<Column> VerticalColumn(const std::vector<Plane>& planes, double x, double y);

}  // namespace cw::scene
