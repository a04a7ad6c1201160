#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QSize>
#include <QVector3D>

#include "scene/ray_hit.h"
#include "scene/vec3.h"

namespace cw::forms {

// The 3D view's camera in map units (Z up): an eye, and a direction of view as a yaw about Z
// (0 along +X, 90 along +Y) and a pitch above the horizon, kept within +-89 degrees so that the
// view never rolls. The user's moves act on it: orbit and pan about a pivot (the marker's cell),
// zoom toward it, turn and fly from the eye.
class OrbitCamera {
 public:
  static constexpr float kFieldOfView = 60;  // vertical, degrees
  static constexpr float kNear = 2;
  static constexpr float kFar = 131072;

  QVector3D Eye() const { return eye_; }
  float Yaw() const { return yaw_; }
  float Pitch() const { return pitch_; }
  QVector3D Forward() const;
  QVector3D Right() const;  // level with the horizon
  QVector3D Up() const;

  void Place(QVector3D eye, float yaw, float pitch);
  QMatrix4x4 ViewProjection(QSize viewport) const;

  // Frames the box from above, at an angle, whole in the view (Home).
  void Frame(const scene::Box& box, QSize viewport);
  // Turns the camera about the pivot, eye and direction alike: the yaw about the vertical through
  // the pivot, the pitch about the horizontal axis through it (as far as the pitch allows).
  void Orbit(QVector3D pivot, float yawDegrees, float pitchDegrees);
  // Moves the eye across the view so that the pivot's depth follows the mouse by these pixels.
  void Pan(QVector3D pivot, QPointF pixels, QSize viewport);
  // Moves the eye toward the pivot's depth (steps > 0) or away from it: each step a fifth of it.
  void Zoom(QVector3D pivot, float steps);
  // Turns the direction of view in place.
  void Turn(float yawDegrees, float pitchDegrees);
  // Moves the eye along the view (forward), across it (right) and along world Z (up).
  void Fly(float forward, float right, float up);

  // The ray from the eye through a point of the viewport, in widget pixels from the top left.
  scene::Ray RayThrough(QPointF pixel, QSize viewport) const;

 private:
  // How far the pivot lies ahead of the eye, never less than a few units.
  float DepthOf(QVector3D pivot) const;

  QVector3D eye_{-512, -512, 512};
  float yaw_ = 45;
  float pitch_ = -35;
};

}  // namespace cw::forms
