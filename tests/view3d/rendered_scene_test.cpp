// The renderer on its own: a tiny scene drawn into an offscreen framebuffer with Mesa's software
// renderer, its colours read back at a few pixels.
#include <gtest/gtest.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include "compiler/template_library.h"
#include "forms/view3d_camera.h"
#include "forms/view3d_renderer.h"
#include "forms/view3d_shapes.h"
#include "support/test_files.h"
#include "view3d_test_support.h"

namespace cw::testing {
namespace {

constexpr QSize kViewport(200, 200);

QColor PlayerStartColour() {
  return LitFromAbove(forms::PointFamilyColour(scene::PointFamily::kPlayerStart));
}

// The scene seen from 400 units above the middle of cell (0, 0) of floor 0, looking down.
QImage Render(const document::Level& level, std::optional<std::int32_t> highestFloor) {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  QOpenGLContext context;
  context.setFormat(format);
  EXPECT_TRUE(context.create());
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  EXPECT_TRUE(context.makeCurrent(&surface));
  QOpenGLFramebufferObject target(kViewport, QOpenGLFramebufferObject::Depth);
  target.bind();

  compiler::FileTemplateSource templates;
  scene::LevelScene scene;
  settings::Settings settings;
  settings.block.map.worldKeys = {{"wad", "tiny.wad"}};
  scene.Rebuild(level, settings, templates);
  forms::KitTextureImages images = forms::KitTextureImages::ForSettings(settings);
  forms::OrbitCamera camera;
  camera.Place({0, 0, 400}, 90, -89);
  forms::FrameView view;
  view.viewProjection = camera.ViewProjection(kViewport);
  view.viewport = kViewport;
  view.highestFloor = highestFloor;
  QImage image;
  {
    forms::View3DRenderer renderer(images);
    QString problem;
    EXPECT_TRUE(renderer.Initialize(problem)) << problem.toStdString();
    renderer.Render(scene, view);
    image = target.toImage();
  }
  context.doneCurrent();
  return image;
}

struct Case {
  const char* what;
  std::vector<std::string> blocks;
  std::optional<std::int32_t> highestFloor;
  QColor middle;  // the player start's box, or what is seen where it is not
  QColor beside;  // 25 pixels to the right: on the box's top, off the player start
};

TEST(RenderedScene, FacesAreTexturedAndShadedEntitiesBoxedAndFloorsAboveCutAway) {
  TempDir folder;
  CurrentDirectoryGuard inFolder(folder.path());
  WriteTinyKit(folder.path());
  const QColor background = forms::kBackgroundColour;
  const Case cases[] = {
      {"nothing", {}, 0, background, background},
      {"a block on the floor", {"0 0 0 0 B"}, 0, PlayerStartColour(), BoxColour()},
      // Floor 1 starts 128 units up: its box's top is at 192, its player start at 224.
      {"a block on the floor above, cut away", {"1 0 0 0 B"}, 0, background, background},
      {"a block on the floor above, shown",
       {"1 0 0 0 B"},
       std::nullopt,
       PlayerStartColour(),
       BoxColour()},
      {"floor 0 under a cut-away floor 1",
       {"0 0 0 0 B", "1 0 0 0 B"},
       0,
       PlayerStartColour(),
       BoxColour()},
  };
  for (const Case& c : cases) {
    document::Level level;
    level.BlockList = c.blocks;
    const QImage image = Render(level, c.highestFloor);
    ASSERT_EQ(image.size(), kViewport) << c.what;
    EXPECT_TRUE(Near(image.pixelColor(100, 100), c.middle))
        << c.what << ": " << image.pixelColor(100, 100).name().toStdString();
    EXPECT_TRUE(Near(image.pixelColor(125, 100), c.beside))
        << c.what << ": " << image.pixelColor(125, 100).name().toStdString();
    EXPECT_TRUE(Near(image.pixelColor(3, 3), background)) << c.what;
  }
}

}  // namespace
}  // namespace cw::testing
