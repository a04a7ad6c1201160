// The 3D view's timings, drawn with OpenGL into an offscreen framebuffer of 1024 x 768: a frame
// of the kit's demo level and of a full floor of 1,024 of its blocks (the textures read and
// uploaded before, as after the view's first frame), and one edit on the full floor from the
// level's change to the new frame (the cell's geometry, its floor merged and uploaded again).
//
//   LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/bench_view3d
//
// Mesa's llvmpipe draws on threads of its own: the CPU column counts this thread alone, the
// real time the whole frame (each frame ends with glFinish).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <filesystem>
#include <memory>

#include "document/level_document.h"
#include "document/level_edit.h"
#include "document/level_file.h"
#include "forms/view3d_camera.h"
#include "forms/view3d_renderer.h"
#include "forms/view3d_scene_follower.h"
#include "forms/view3d_textures.h"
#include "kit_full_floor.h"
#include "settings/settings.h"

namespace {

constexpr QSize kViewport(1024, 768);

// A 3.3 core context current on an offscreen surface, drawing into a framebuffer of kViewport.
class OffscreenTarget {
 public:
  OffscreenTarget() {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    context_.setFormat(format);
    ok_ = context_.create();
    surface_.setFormat(context_.format());
    surface_.create();
    ok_ = ok_ && context_.makeCurrent(&surface_);
    if (ok_) {
      target_ =
          std::make_unique<QOpenGLFramebufferObject>(kViewport, QOpenGLFramebufferObject::Depth);
      target_->bind();
    }
  }
  bool ok() const { return ok_; }
  void Finish() { context_.functions()->glFinish(); }

 private:
  QOpenGLContext context_;
  QOffscreenSurface surface_;
  std::unique_ptr<QOpenGLFramebufferObject> target_;
  bool ok_ = false;
};

// The kit folder as the current directory, a level in the document and the view's parts on it,
// the camera framing the whole level, every floor drawn.
struct ViewOfLevel {
  explicit ViewOfLevel(const cw::document::Level& level)
      : settings((std::filesystem::current_path(CW_KIT_DIR),
                  cw::settings::ReadSettingsFile(cw::settings::kSettingsFileName))),
        images(cw::forms::KitTextureImages::ForSettings(settings)),
        follower(document, settings, {}),
        renderer(images) {
    document.Replace(level, cw::document::ChangeCause::kNewLevel);
    follower.Sync();
    QString problem;
    ready = target.ok() && renderer.Initialize(problem);
    cw::forms::OrbitCamera camera;
    camera.Frame(follower.Scene().Bounds(), kViewport);
    view.viewProjection = camera.ViewProjection(kViewport);
    view.viewport = kViewport;
  }
  void Frame() {
    renderer.Render(follower.Scene(), view);
    target.Finish();
  }

  OffscreenTarget target;
  cw::settings::Settings settings;
  cw::forms::KitTextureImages images;
  cw::document::LevelDocument document;
  cw::forms::SceneFollower follower;
  cw::forms::View3DRenderer renderer;
  cw::forms::FrameView view;
  bool ready = false;
};

void RunFrames(benchmark::State& state, const cw::document::Level& level) {
  ViewOfLevel view(level);
  if (!view.ready) {
    state.SkipWithError("no OpenGL 3.3 context");
    return;
  }
  view.Frame();  // textures read and every floor uploaded
  for (auto _ : state) view.Frame();
}

void BM_FrameOfTheDemoLevel(benchmark::State& state) {
  std::filesystem::current_path(CW_KIT_DIR);
  const auto load = cw::document::LoadLevelFile("works/Demo.pwl");
  if (!load) {
    state.SkipWithError("no demo level");
    return;
  }
  RunFrames(state, load.value.level);
}
BENCHMARK(BM_FrameOfTheDemoLevel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_FrameOfAFullFloor(benchmark::State& state) {
  RunFrames(state, cw::bench::KitFullFloor());
}
BENCHMARK(BM_FrameOfAFullFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// One cell of the full floor gets another block through the document, as a click places it; the
// view syncs its scene and draws the frame; the next edit puts the block back.
void BM_EditOnAFullFloorToTheFrame(benchmark::State& state) {
  ViewOfLevel view(cw::bench::KitFullFloor());
  if (!view.ready) {
    state.SkipWithError("no OpenGL 3.3 context");
    return;
  }
  view.Frame();
  const cw::document::BlockRecord records[2] = {{0, 16, 16, 4, "Stairs"}, {0, 16, 16, 1, "Door"}};
  int next = 0;
  for (auto _ : state) {
    const cw::document::BlockRecord& record = records[next];
    next = 1 - next;
    view.document.Edit([&](cw::document::Level& level) {
      cw::document::ListEdit done;
      cw::document::PlaceBlock(level, record, &done);
      return std::vector<cw::document::ListEdit>{done};
    });
    view.follower.Sync();
    view.Frame();
  }
}
BENCHMARK(BM_EditOnAFullFloorToTheFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
