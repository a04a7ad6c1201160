#include "forms/view3d_widget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>
#include <QSurfaceFormat>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/editor.h"
#include "forms/view3d_shapes.h"
#include "scene/scene_overlays.h"

namespace cw::forms {
namespace {

constexpr float kOrbitDegreesPerPixel = 0.4f;
constexpr float kTurnDegreesPerPixel = 0.25f;
constexpr float kFlySpeed = 768;  // map units a second; three times that with Shift
constexpr int kFlyInterval = 15;  // milliseconds between steps

constexpr int kFlyKeys[] = {Qt::Key_W, Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_Q, Qt::Key_E};

}  // namespace

View3DWidget::View3DWidget(editor::Editor& editor, QWidget* parent)
    : QOpenGLWidget(parent),
      editor_(editor),
      follower_(editor.Document(), editor.State().settings, [this] { update(); }),
      images_(KitTextureImages::ForSettings(editor.State().settings)) {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  setFormat(format);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  flyTimer_.setInterval(kFlyInterval);
  connect(&flyTimer_, &QTimer::timeout, this, [this] { FlyStep(); });
  EditorChanged(editor, {});
  editor_.AddView(*this);
}

View3DWidget::~View3DWidget() {
  editor_.RemoveView(*this);
  // The context goes with the QOpenGLWidget part, after this part is gone: it must not call back.
  if (context() != nullptr) disconnect(context(), nullptr, this, nullptr);
  ReleaseGL();
}

void View3DWidget::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate&) {
  const editor::EditorState& state = editor.State();
  const document::Cell marker{state.floor, state.MarkerColumn, state.MarkerRow};
  if (state.floor == floor_ && marker == marker_ && state.linkMode == linkMode_ &&
      editor.LeakPath() == leak_) {
    return;
  }
  floor_ = state.floor;
  marker_ = marker;
  linkMode_ = state.linkMode;
  leak_ = editor.LeakPath();
  update();
}

void View3DWidget::SetCutAway(bool on) {
  cutAway_ = on;
  update();
}

void View3DWidget::FrameLevel() {
  scene::Box box = Scene().Bounds();
  if (box.min.x > box.max.x) box = scene::CellBox(editor_.State().settings.block, marker_);
  camera_.Frame(box, size());
  framed_ = true;
  update();
}

scene::LevelScene& View3DWidget::Scene() {
  follower_.Sync();
  return follower_.Scene();
}

QString View3DWidget::ClassnameAt(QPoint pixel) {
  scene::LevelScene& scene = Scene();
  const std::optional<scene::Ray> seen = RayThrough(pixel);
  if (!seen) return {};
  const scene::Ray& ray = *seen;
  const std::optional<std::int32_t> highest = HighestFloor();
  double nearest = std::numeric_limits<double>::infinity();
  QString classname;
  for (const auto& [floor, cells] : scene.floors()) {
    if (highest && floor > *highest) continue;
    for (const auto& [key, cell] : cells.cells) {
      for (const scene::PointEntity& point : cell.points) {
        const double distance = scene::EntryDistance(ray, PointBox(point));
        if (distance < nearest) {
          nearest = distance;
          classname = QString::fromStdString(point.classname);
        }
      }
    }
  }
  // A box behind a wall is not under the mouse.
  if (classname.isEmpty()) return classname;
  const std::optional<scene::RayHit> face = scene::HitTest(scene, ray, highest);
  return face && face->distance < nearest ? QString() : classname;
}

void View3DWidget::initializeGL() {
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { ReleaseGL(); });
  renderer_ = std::make_unique<View3DRenderer>(images_);
  problem_.clear();
  if (!renderer_->Initialize(problem_)) qWarning("%s", qPrintable(problem_));
}

void View3DWidget::paintGL() {
  if (!renderer_ || !problem_.isEmpty()) {
    // Without OpenGL 3.3 the view says so instead of drawing.
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, problem_);
    return;
  }
  scene::LevelScene& scene = Scene();
  if (!framed_) FrameLevel();
  FrameView view;
  const qreal ratio = devicePixelRatioF();
  view.viewport = QSize(static_cast<int>(std::lround(width() * ratio)),
                        static_cast<int>(std::lround(height() * ratio)));
  view.viewProjection = camera_.ViewProjection(size());
  view.highestFloor = HighestFloor();
  view.links = linkMode_;
  view.leak = leak_;
  view.marker = marker_;
  renderer_->Render(scene, view);
}

void View3DWidget::ReleaseGL() {
  if (!renderer_) return;
  makeCurrent();
  renderer_.reset();
  doneCurrent();
}

QVector3D View3DWidget::Pivot() const {
  const scene::Vec3 centre = scene::CellCentre(editor_.State().settings.block, marker_);
  return {static_cast<float>(centre.x), static_cast<float>(centre.y), static_cast<float>(centre.z)};
}

std::optional<scene::Ray> View3DWidget::RayThrough(QPointF pixel) const {
  const scene::Ray ray = camera_.RayThrough(pixel, size());
  if (!cutAway_) return ray;
  return BelowCut(ray, CutHeight(editor_.State().settings.block, floor_));
}

std::optional<std::int32_t> View3DWidget::HighestFloor() const {
  return cutAway_ ? std::optional<std::int32_t>(floor_) : std::nullopt;
}

void View3DWidget::mousePressEvent(QMouseEvent* event) {
  if (dragButton_ != Qt::NoButton) return;
  dragButton_ = event->button();
  lastMouse_ = event->position().toPoint();
  QToolTip::hideText();
  if (dragButton_ == Qt::RightButton) {
    flyClock_.start();
    flyTimer_.start();
  }
}

void View3DWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const QPoint delta = at - lastMouse_;
  lastMouse_ = at;
  const auto dx = static_cast<float>(delta.x());
  const auto dy = static_cast<float>(delta.y());
  switch (dragButton_) {
    case Qt::LeftButton:
      camera_.Orbit(Pivot(), -dx * kOrbitDegreesPerPixel, -dy * kOrbitDegreesPerPixel);
      break;
    case Qt::MiddleButton:
      camera_.Pan(Pivot(), delta, size());
      break;
    case Qt::RightButton:
      camera_.Turn(-dx * kTurnDegreesPerPixel, -dy * kTurnDegreesPerPixel);
      break;
    case Qt::NoButton: {
      const QString classname = ClassnameAt(at);
      if (classname.isEmpty()) {
        QToolTip::hideText();
      } else {
        QToolTip::showText(event->globalPosition().toPoint(), classname, this);
      }
      return;
    }
    default:
      return;
  }
  update();
}

void View3DWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != dragButton_) return;
  dragButton_ = Qt::NoButton;
  flyTimer_.stop();
}

void View3DWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<scene::Ray> ray = RayThrough(event->position());
  if (!ray) return;
  const std::optional<scene::RayHit> hit = scene::HitTest(Scene(), *ray, HighestFloor());
  if (hit) editor_.ShowCell(hit->cell);
}

void View3DWidget::wheelEvent(QWheelEvent* event) {
  camera_.Zoom(Pivot(), static_cast<float>(event->angleDelta().y()) / 120);
  update();
}

void View3DWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home) {
    FrameLevel();
    return;
  }
  if (std::find(std::begin(kFlyKeys), std::end(kFlyKeys), event->key()) == std::end(kFlyKeys)) {
    QOpenGLWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) flyKeys_.insert(event->key());
}

void View3DWidget::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) flyKeys_.erase(event->key());
  QOpenGLWidget::keyReleaseEvent(event);
}

void View3DWidget::focusOutEvent(QFocusEvent* event) {
  flyKeys_.clear();
  QOpenGLWidget::focusOutEvent(event);
}

void View3DWidget::FlyStep() {
  const float seconds = static_cast<float>(flyClock_.restart()) / 1000;
  auto held = [this](int key) { return flyKeys_.contains(key) ? 1.0f : 0.0f; };
  const float forward = held(Qt::Key_W) - held(Qt::Key_S);
  const float right = held(Qt::Key_D) - held(Qt::Key_A);
  const float up = held(Qt::Key_E) - held(Qt::Key_Q);
  if (forward == 0 && right == 0 && up == 0) return;
  const bool fast = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
  const float step = kFlySpeed * (fast ? 3 : 1) * std::min(seconds, 0.1f);
  camera_.Fly(forward * step, right * step, up * step);
  update();
}

}  // namespace cw::forms
