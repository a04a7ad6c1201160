#include "forms/view3d_renderer.h"

#include <cstddef>

#include "forms/view3d_camera.h"
#include "forms/view3d_shapes.h"

namespace cw::forms {
namespace {

static_assert(sizeof(scene::Vertex) == 6 * sizeof(float));
static_assert(sizeof(ColouredVertex) == 6 * sizeof(float));

// Faces: the texture at the face's texels, a family's tint over it, the face's shade.
constexpr const char* kFaceVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texel;
layout(location = 2) in float shade;
uniform mat4 viewProjection;
uniform vec2 texelScale;
uniform float cutHeight;
out vec2 uv;
out float light;
void main() {
  gl_Position = viewProjection * vec4(position, 1.0);
  gl_ClipDistance[0] = cutHeight - position.z;
  uv = texel * texelScale;
  light = shade;
}
)";
constexpr const char* kFaceFragmentShader = R"(#version 330 core
in vec2 uv;
in float light;
uniform sampler2D picture;
uniform vec4 tint;
out vec4 colour;
void main() {
  colour = vec4(mix(texture(picture, uv).rgb, tint.rgb, tint.a) * light, 1.0);
}
)";
// Entity boxes and lines: a colour per corner. Both programs leave out what lies above the cut.
constexpr const char* kColourVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 cornerColour;
uniform mat4 viewProjection;
uniform float cutHeight;
out vec3 shown;
void main() {
  gl_Position = viewProjection * vec4(position, 1.0);
  gl_ClipDistance[0] = cutHeight - position.z;
  shown = cornerColour;
}
)";
constexpr const char* kColourFragmentShader = R"(#version 330 core
in vec3 shown;
out vec4 colour;
void main() {
  colour = vec4(shown, 1.0);
}
)";

const void* Offset(std::size_t bytes) {
  return reinterpret_cast<const void*>(bytes);
}

}  // namespace

View3DRenderer::~View3DRenderer() {
  Release();
}

bool View3DRenderer::Initialize(QString& problem) {
  if (!initializeOpenGLFunctions()) {
    problem = QStringLiteral("The 3D view needs OpenGL 3.3.");
    return false;
  }
  initialized_ = true;
  auto compile = [&](const char* vertexText, const char* fragmentText) -> unsigned {
    const unsigned program = glCreateProgram();
    for (const auto& [type, text] :
         {std::pair{GL_VERTEX_SHADER, vertexText}, std::pair{GL_FRAGMENT_SHADER, fragmentText}}) {
      const unsigned shader = glCreateShader(type);
      glShaderSource(shader, 1, &text, nullptr);
      glCompileShader(shader);
      int compiled = 0;
      glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
      if (compiled == 0) {
        char log[1024] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        problem = QStringLiteral("A shader of the 3D view does not compile: ") + log;
      }
      glAttachShader(program, shader);
      glDeleteShader(shader);
    }
    glLinkProgram(program);
    int linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == 0 && problem.isEmpty()) {
      problem = QStringLiteral("The shaders of the 3D view do not link.");
    }
    return program;
  };
  faceProgram_ = compile(kFaceVertexShader, kFaceFragmentShader);
  faceMatrix_ = glGetUniformLocation(faceProgram_, "viewProjection");
  faceTexelScale_ = glGetUniformLocation(faceProgram_, "texelScale");
  faceTint_ = glGetUniformLocation(faceProgram_, "tint");
  faceCut_ = glGetUniformLocation(faceProgram_, "cutHeight");
  colourProgram_ = compile(kColourVertexShader, kColourFragmentShader);
  colourMatrix_ = glGetUniformLocation(colourProgram_, "viewProjection");
  colourCut_ = glGetUniformLocation(colourProgram_, "cutHeight");
  glGenVertexArrays(1, &overlayArray_);
  glGenBuffers(1, &overlayVertices_);
  glBindVertexArray(overlayArray_);
  glBindBuffer(GL_ARRAY_BUFFER, overlayVertices_);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(ColouredVertex), Offset(0));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(ColouredVertex),
                        Offset(offsetof(ColouredVertex, r)));
  glBindVertexArray(0);
  return problem.isEmpty();
}

void View3DRenderer::Release() {
  if (!initialized_) return;
  for (auto& [floor, mesh] : meshes_) FreeMesh(mesh);
  meshes_.clear();
  for (const Texture& texture : textures_) {
    if (texture.name != 0) glDeleteTextures(1, &texture.name);
  }
  textures_.clear();
  glDeleteVertexArrays(1, &overlayArray_);
  glDeleteBuffers(1, &overlayVertices_);
  glDeleteProgram(faceProgram_);
  glDeleteProgram(colourProgram_);
  initialized_ = false;
}

void View3DRenderer::Render(scene::LevelScene& scene, const FrameView& view) {
  if (!initialized_) return;
  glViewport(0, 0, view.viewport.width(), view.viewport.height());
  glClearColor(static_cast<float>(kBackgroundColour.redF()),
               static_cast<float>(kBackgroundColour.greenF()),
               static_cast<float>(kBackgroundColour.blueF()), 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  // Floors that left the scene give their buffers back; changed floors are uploaded again.
  for (auto mesh = meshes_.begin(); mesh != meshes_.end();) {
    if (scene.floors().contains(mesh->first)) {
      ++mesh;
      continue;
    }
    FreeMesh(mesh->second);
    mesh = meshes_.erase(mesh);
  }
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glFrontFace(GL_CCW);
  // Seen from above through the cut, a brush shows its inside faces: they face away from the
  // eye and are left out, so the cut brush is open.
  glEnable(GL_CLIP_DISTANCE0);
  const float cut = view.highestFloor
                        ? static_cast<float>(CutHeight(scene.placement(), *view.highestFloor))
                        : OrbitCamera::kFar;
  const float* matrix = view.viewProjection.constData();
  for (const auto& [floor, cells] : scene.floors()) {
    if (view.highestFloor && floor > *view.highestFloor) continue;
    FloorMesh& mesh = meshes_[floor];
    if (mesh.revision != cells.revision) Upload(mesh, scene, floor, cells);
    glUseProgram(faceProgram_);
    glUniformMatrix4fv(faceMatrix_, 1, GL_FALSE, matrix);
    glUniform1f(faceCut_, cut);
    DrawFaces(mesh, scene);
    if (mesh.boxVertexCount > 0) {
      glUseProgram(colourProgram_);
      glUniformMatrix4fv(colourMatrix_, 1, GL_FALSE, matrix);
      glUniform1f(colourCut_, cut);
      glBindVertexArray(mesh.boxArray);
      glDrawArrays(GL_TRIANGLES, 0, mesh.boxVertexCount);
    }
  }
  glDisable(GL_CULL_FACE);
  DrawOverlays(scene, view);
  glBindVertexArray(0);
  glUseProgram(0);
}

void View3DRenderer::Upload(FloorMesh& mesh, scene::LevelScene& scene, std::int32_t floor,
                            const scene::FloorScene& cells) {
  if (mesh.faceArray == 0) {
    glGenVertexArrays(1, &mesh.faceArray);
    glGenBuffers(1, &mesh.faceVertices);
    glGenBuffers(1, &mesh.faceIndices);
    glBindVertexArray(mesh.faceArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.faceVertices);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.faceIndices);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex), Offset(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex),
                          Offset(offsetof(scene::Vertex, s)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 1, GL_FLOAT, GL_FALSE, sizeof(scene::Vertex),
                          Offset(offsetof(scene::Vertex, shade)));
    glGenVertexArrays(1, &mesh.boxArray);
    glGenBuffers(1, &mesh.boxVertices);
    glBindVertexArray(mesh.boxArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.boxVertices);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(ColouredVertex), Offset(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(ColouredVertex),
                          Offset(offsetof(ColouredVertex, r)));
  }
  // The floor's batches in one buffer: each batch's indices moved past the vertices before it.
  const scene::FloorBatches& batches = scene.Batches(floor);
  std::size_t vertexCount = 0;
  std::size_t indexCount = 0;
  for (const scene::DrawBatch& batch : batches.batches) {
    vertexCount += batch.vertices.size();
    indexCount += batch.indices.size();
  }
  std::vector<scene::Vertex> vertices;
  std::vector<std::uint32_t> indices;
  vertices.reserve(vertexCount);
  indices.reserve(indexCount);
  mesh.ranges.clear();
  for (const scene::DrawBatch& batch : batches.batches) {
    const auto base = static_cast<std::uint32_t>(vertices.size());
    mesh.ranges.push_back({batch.texture, batch.family, static_cast<std::uint32_t>(indices.size()),
                           static_cast<std::uint32_t>(batch.indices.size())});
    vertices.insert(vertices.end(), batch.vertices.begin(), batch.vertices.end());
    for (const std::uint32_t index : batch.indices) indices.push_back(base + index);
  }
  glBindVertexArray(mesh.faceArray);
  glBindBuffer(GL_ARRAY_BUFFER, mesh.faceVertices);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(scene::Vertex)),
               vertices.data(), GL_STATIC_DRAW);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(indices.size() * sizeof(std::uint32_t)), indices.data(),
               GL_STATIC_DRAW);
  const std::vector<ColouredVertex> boxes = PointBoxes(cells.cells);
  glBindBuffer(GL_ARRAY_BUFFER, mesh.boxVertices);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(boxes.size() * sizeof(ColouredVertex)),
               boxes.data(), GL_STATIC_DRAW);
  mesh.boxVertexCount = static_cast<int>(boxes.size());
  mesh.revision = cells.revision;
  glBindVertexArray(0);
}

void View3DRenderer::FreeMesh(FloorMesh& mesh) {
  if (mesh.faceArray == 0) return;
  const unsigned arrays[2] = {mesh.faceArray, mesh.boxArray};
  const unsigned buffers[3] = {mesh.faceVertices, mesh.faceIndices, mesh.boxVertices};
  glDeleteVertexArrays(2, arrays);
  glDeleteBuffers(3, buffers);
  mesh = FloorMesh{};
}

const View3DRenderer::Texture& View3DRenderer::TextureFor(const scene::LevelScene& scene,
                                                          std::uint32_t number) {
  if (number >= textures_.size()) textures_.resize(scene.textures().size());
  Texture& texture = textures_[number];
  if (texture.name != 0) return texture;
  const QImage& image = images_.Find(scene.textures().Name(number)).image;
  glGenTextures(1, &texture.name);
  glBindTexture(GL_TEXTURE_2D, texture.name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width(), image.height(), 0, GL_RGBA,
               GL_UNSIGNED_BYTE, image.constBits());
  glGenerateMipmap(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  // Texels stay sharp up close, as the games draw them.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  texture.width = static_cast<float>(image.width());
  texture.height = static_cast<float>(image.height());
  return texture;
}

void View3DRenderer::DrawFaces(const FloorMesh& mesh, const scene::LevelScene& scene) {
  glBindVertexArray(mesh.faceArray);
  glActiveTexture(GL_TEXTURE0);
  for (const Range& range : mesh.ranges) {
    const Texture& texture = TextureFor(scene, range.texture);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glUniform2f(faceTexelScale_, 1 / texture.width, 1 / texture.height);
    const QColor tint = BrushFamilyTint(range.family);
    glUniform4f(faceTint_, static_cast<float>(tint.redF()), static_cast<float>(tint.greenF()),
                static_cast<float>(tint.blueF()), static_cast<float>(tint.alphaF()));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(range.indexCount), GL_UNSIGNED_INT,
                   Offset(range.firstIndex * sizeof(std::uint32_t)));
  }
}

void View3DRenderer::DrawOverlays(const scene::LevelScene& scene, const FrameView& view) {
  static const std::vector<scene::LinkLine> kNoLinks;
  const OverlayLines lines =
      MakeOverlayLines(view.links ? scene.links() : kNoLinks, view.highestFloor, view.leak,
                       view.marker, scene.placement());
  if (lines.vertices.empty()) return;
  // Lines show through the walls: a link, the leak and the marker are wanted wherever they are.
  glDisable(GL_DEPTH_TEST);
  glUseProgram(colourProgram_);
  glUniformMatrix4fv(colourMatrix_, 1, GL_FALSE, view.viewProjection.constData());
  glUniform1f(colourCut_, OrbitCamera::kFar);
  glBindVertexArray(overlayArray_);
  glBindBuffer(GL_ARRAY_BUFFER, overlayVertices_);
  glBufferData(GL_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(lines.vertices.size() * sizeof(ColouredVertex)),
               lines.vertices.data(), GL_STREAM_DRAW);
  const auto links = static_cast<GLsizei>(lines.links);
  const auto leak = static_cast<GLsizei>(lines.leak);
  if (links > 0) glDrawArrays(GL_LINES, 0, links);
  if (leak > 1) glDrawArrays(GL_LINE_STRIP, links, leak);
  if (lines.marker > 0) glDrawArrays(GL_LINE_LOOP, links + leak, 4);
}

}  // namespace cw::forms
