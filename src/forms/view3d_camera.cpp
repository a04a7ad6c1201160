#include "forms/view3d_camera.h"

#include <QQuaternion>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace cw::forms {
namespace {

constexpr float kLargestPitch = 89;
constexpr float kLeastDepth = 32;

QVector3D ToVector(const scene::Vec3& v) {
  return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

scene::Vec3 ToVec(const QVector3D& v) {
  return {v.x(), v.y(), v.z()};
}

}  // namespace

QVector3D OrbitCamera::Forward() const {
  const float yaw = qDegreesToRadians(yaw_);
  const float pitch = qDegreesToRadians(pitch_);
  return {std::cos(pitch) * std::cos(yaw), std::cos(pitch) * std::sin(yaw), std::sin(pitch)};
}

QVector3D OrbitCamera::Right() const {
  const float yaw = qDegreesToRadians(yaw_);
  return {std::sin(yaw), -std::cos(yaw), 0};
}

QVector3D OrbitCamera::Up() const {
  return QVector3D::crossProduct(Right(), Forward());
}

void OrbitCamera::Place(QVector3D eye, float yaw, float pitch) {
  eye_ = eye;
  yaw_ = std::remainder(yaw, 360.0f);
  pitch_ = std::clamp(pitch, -kLargestPitch, kLargestPitch);
}

QMatrix4x4 OrbitCamera::ViewProjection(QSize viewport) const {
  QMatrix4x4 matrix;
  const float aspect =
      static_cast<float>(std::max(viewport.width(), 1)) / std::max(viewport.height(), 1);
  matrix.perspective(kFieldOfView, aspect, kNear, kFar);
  matrix.lookAt(eye_, eye_ + Forward(), Up());
  return matrix;
}

void OrbitCamera::Frame(const scene::Box& box, QSize viewport) {
  yaw_ = 45;
  pitch_ = -35;
  const QVector3D low = ToVector(box.min);
  const QVector3D high = ToVector(box.max);
  const QVector3D centre = (low + high) / 2;
  // Back from the centre until every corner lies inside both fields of view, with a margin.
  const float aspect =
      static_cast<float>(std::max(viewport.width(), 1)) / std::max(viewport.height(), 1);
  const float tanHeight = std::tan(qDegreesToRadians(kFieldOfView) / 2) * 0.9f;
  const float tanWidth = tanHeight * aspect;
  float distance = 64;
  for (int corner = 0; corner < 8; ++corner) {
    const QVector3D point((corner & 1) ? high.x() : low.x(), (corner & 2) ? high.y() : low.y(),
                          (corner & 4) ? high.z() : low.z());
    const QVector3D offset = point - centre;
    const float ahead = QVector3D::dotProduct(offset, Forward());
    distance =
        std::max({distance, std::abs(QVector3D::dotProduct(offset, Right())) / tanWidth - ahead,
                  std::abs(QVector3D::dotProduct(offset, Up())) / tanHeight - ahead});
  }
  eye_ = centre - Forward() * distance;
}

void OrbitCamera::Orbit(QVector3D pivot, float yawDegrees, float pitchDegrees) {
  pitchDegrees = std::clamp(pitch_ + pitchDegrees, -kLargestPitch, kLargestPitch) - pitch_;
  const QQuaternion turn = QQuaternion::fromAxisAndAngle(0, 0, 1, yawDegrees) *
                           QQuaternion::fromAxisAndAngle(Right(), pitchDegrees);
  eye_ = pivot + turn.rotatedVector(eye_ - pivot);
  yaw_ = std::remainder(yaw_ + yawDegrees, 360.0f);
  pitch_ += pitchDegrees;
}

void OrbitCamera::Pan(QVector3D pivot, QPointF pixels, QSize viewport) {
  const float unitsPerPixel = 2 * DepthOf(pivot) * std::tan(qDegreesToRadians(kFieldOfView) / 2) /
                              static_cast<float>(std::max(viewport.height(), 1));
  eye_ += (-Right() * static_cast<float>(pixels.x()) + Up() * static_cast<float>(pixels.y())) *
          unitsPerPixel;
}

void OrbitCamera::Zoom(QVector3D pivot, float steps) {
  eye_ += Forward() * (DepthOf(pivot) * std::clamp(steps, -4.0f, 4.0f) / 5);
}

void OrbitCamera::Turn(float yawDegrees, float pitchDegrees) {
  Place(eye_, yaw_ + yawDegrees, pitch_ + pitchDegrees);
}

void OrbitCamera::Fly(float forward, float right, float up) {
  eye_ += Forward() * forward + Right() * right + QVector3D(0, 0, up);
}

scene::Ray OrbitCamera::RayThrough(QPointF pixel, QSize viewport) const {
  const QMatrix4x4 inverse = ViewProjection(viewport).inverted();
  const float x = static_cast<float>(2 * pixel.x() / std::max(viewport.width(), 1) - 1);
  const float y = static_cast<float>(1 - 2 * pixel.y() / std::max(viewport.height(), 1));
  const QVector3D far = inverse.map(QVector3D(x, y, 1));
  return {ToVec(eye_), ToVec(far - eye_)};
}

float OrbitCamera::DepthOf(QVector3D pivot) const {
  return std::max(QVector3D::dotProduct(pivot - eye_, Forward()), kLeastDepth);
}

}  // namespace cw::forms
