#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kit/map_text.h"
#include "kit/vec3.h"

namespace cw::kit {

// The plane of a face as the Quake map compilers take it: normal (p1 - p2) x (p3 - p2) through
// p2, so the points run clockwise seen from outside and the solid lies behind the plane. Empty
// for three collinear (or coincident) points.
std::optional<Plane> FacePlane(const MapFace& face);

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
BrushReport CheckBrush(const MapBrush& brush);

// The part of a vertical line through (x, y) that lies inside the half-spaces, as the z range
// and the index of the plane that caps it from above. Empty when the line misses the solid.
struct Column {
  double bottom = 0;
  double top = 0;
  std::size_t topPlane = 0;
};
std::optional<Column> VerticalColumn(const std::vector<Plane>& planes, double x, double y);

}  // namespace cw::kit
