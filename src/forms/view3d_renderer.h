#pragma once

#include <QMatrix4x4>
#include <QOpenGLFunctions_3_3_Core>
#include <QSize>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "compiler/point_file.h"
#include "document/records.h"
#include "forms/view3d_textures.h"
#include "scene/level_scene.h"

namespace cw::forms {

// What a frame shows besides the level's faces and point entities.
struct FrameView {
  QMatrix4x4 viewProjection;
  QSize viewport;  // device pixels
  // The floors up to this one are drawn, up to its cut height (the cut-away); everything
  // without one.
  std::optional<std::int32_t> highestFloor;
  bool links = false;                    // the link lines (link mode)
  std::vector<compiler::MapPoint> leak;  // the last compile's leak path, empty for none
  std::optional<document::Cell> marker;  // outlined
};

// Draws the level in 3D with OpenGL 3.3 core, into whatever framebuffer is bound. Each floor's
// faces are uploaded once per change of that floor, one vertex and index buffer per floor with a
// range per texture and family; each texture is read and uploaded once, when a face first needs
// it. Every call needs the same context current.
class View3DRenderer : protected QOpenGLFunctions_3_3_Core {
 public:
  explicit View3DRenderer(KitTextureImages& images) : images_(images) {}
  ~View3DRenderer();
  View3DRenderer(const View3DRenderer&) = delete;
  View3DRenderer& operator=(const View3DRenderer&) = delete;

  // Compiles the shaders; false, with the reason, when the context cannot do it.
  bool Initialize(QString& problem);
  void Render(scene::LevelScene& scene, const FrameView& view);
  // Frees every OpenGL object; also done by the destructor, which then needs the context.
  void Release();

 private:
  struct Range {
    std::uint32_t texture = 0;
    scene::BrushFamily family = scene::BrushFamily::kWorld;
    std::uint32_t firstIndex = 0;
    std::uint32_t indexCount = 0;
  };
  struct FloorMesh {
    std::uint64_t revision = 0;
    unsigned faceArray = 0;  // vertex array, its vertex and index buffers
    unsigned faceVertices = 0;
    unsigned faceIndices = 0;
    std::vector<Range> ranges;
    unsigned boxArray = 0;
    unsigned boxVertices = 0;
    int boxVertexCount = 0;
  };
  struct Texture {
    unsigned name = 0;
    float width = 1;
    float height = 1;
  };

  void Upload(FloorMesh& mesh, scene::LevelScene& scene, std::int32_t floor,
              const scene::FloorScene& cells);
  void FreeMesh(FloorMesh& mesh);
  const Texture& TextureFor(const scene::LevelScene& scene, std::uint32_t number);
  void DrawFaces(const FloorMesh& mesh, const scene::LevelScene& scene);
  void DrawOverlays(const scene::LevelScene& scene, const FrameView& view);

  KitTextureImages& images_;
  bool initialized_ = false;
  unsigned faceProgram_ = 0;
  int faceMatrix_ = -1;
  int faceTexelScale_ = -1;
  int faceTint_ = -1;
  int faceCut_ = -1;
  unsigned colourProgram_ = 0;
  int colourMatrix_ = -1;
  int colourCut_ = -1;
  unsigned overlayArray_ = 0;
  unsigned overlayVertices_ = 0;
  std::map<std::int32_t, FloorMesh> meshes_;
  std::vector<Texture> textures_;  // by the scene's texture number; name 0 until first needed
};

}  // namespace cw::forms
