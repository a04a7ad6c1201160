#pragma once

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPoint>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "compiler/point_file.h"
#include "document/records.h"
#include "editor/editor_view.h"
#include "forms/view3d_camera.h"
#include "forms/view3d_renderer.h"
#include "forms/view3d_scene_follower.h"
#include "forms/view3d_textures.h"

namespace cw::editor {
class Editor;
}

namespace cw::forms {

// The level in 3D, drawn with OpenGL: it follows the level's changes, the current floor, the
// marker, link mode and the last compile's leak. Left drag orbits about the marker's cell,
// middle drag pans, the wheel zooms, the right button held turns the view and W/A/S/D/Q/E fly;
// Home frames the whole level. A double-click on a face shows its cell in the floor view; the
// classname of a point entity shows under the mouse.
class View3DWidget : public QOpenGLWidget, public editor::EditorView {
  Q_OBJECT

 public:
  explicit View3DWidget(editor::Editor& editor, QWidget* parent = nullptr);
  ~View3DWidget() override;

  void EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) override;

  // Floors above the current one left out; on at the start.
  void SetCutAway(bool on);
  bool CutAway() const { return cutAway_; }
  // Frames the whole level (Home).
  void FrameLevel();
  // The camera, to be placed: a placed camera is not framed again at the first frame.
  OrbitCamera& Camera() {
    framed_ = true;
    return camera_;
  }
  // The scene brought up to date with the level.
  scene::LevelScene& Scene();
  // The classname under a point of the view, "" for none.
  QString ClassnameAt(QPoint pixel);
  // Why nothing is drawn, when the OpenGL context failed; empty otherwise.
  const QString& Problem() const { return problem_; }

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ReleaseGL();
  QVector3D Pivot() const;
  std::optional<std::int32_t> HighestFloor() const;
  // The ray through a point of the view from where it comes below the cut; none when it never
  // does.
  std::optional<scene::Ray> RayThrough(QPointF pixel) const;
  void FlyStep();

  editor::Editor& editor_;
  SceneFollower follower_;
  KitTextureImages images_;
  std::unique_ptr<View3DRenderer> renderer_;
  QString problem_;
  OrbitCamera camera_;
  bool framed_ = false;
  bool cutAway_ = true;

  // What the editor showed at the last frame.
  std::int32_t floor_ = 0;
  document::Cell marker_;
  bool linkMode_ = false;
  std::vector<compiler::MapPoint> leak_;

  Qt::MouseButton dragButton_ = Qt::NoButton;
  QPoint lastMouse_;
  std::set<int> flyKeys_;
  QTimer flyTimer_;
  QElapsedTimer flyClock_;
};

}  // namespace cw::forms
