#include "scene/scene_test_support.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "support/test_files.h"

namespace cw::testing {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value == 0 ? 0.0 : value);
  return text;
}

}  // namespace

compiler::MemoryTemplateSource QuakeKitTemplates() {
  compiler::MemoryTemplateSource templates;
  for (const auto& entry : std::filesystem::directory_iterator(CW_KIT_DIR)) {
    if (entry.path().extension() == ".map") {
      templates.Add(entry.path().stem().string(), ReadFileBytes(entry.path()));
    }
  }
  return templates;
}

const char* FamilyName(scene::BrushFamily family) {
  switch (family) {
    case scene::BrushFamily::kWorld:
      return "world";
    case scene::BrushFamily::kDoor:
      return "door";
    case scene::BrushFamily::kButton:
      return "button";
    case scene::BrushFamily::kTrigger:
      return "trigger";
    case scene::BrushFamily::kOtherEntity:
      return "entity";
  }
  return "?";
}

scene::LevelScene SceneOf(const std::vector<std::string>& records,
                          compiler::TemplateSource& templates) {
  document::Level level;
  level.BlockList = records;
  scene::LevelScene scene;
  scene.Rebuild(level, {}, templates);
  return scene;
}

const scene::Vertex* CornerAt(const scene::LevelScene& scene, const scene::CellGeometry& cell,
                              const std::string& texture, double x, double y, double z) {
  for (const scene::FacePolygon& face : cell.faces) {
    if (scene.textures().Name(face.texture) != texture) continue;
    for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
      const scene::Vertex& v = cell.vertices[face.firstVertex + i];
      if (std::fabs(v.x - x) < 1e-3 && std::fabs(v.y - y) < 1e-3 && std::fabs(v.z - z) < 1e-3) {
        return &v;
      }
    }
  }
  return nullptr;
}

std::string SceneText(const scene::LevelScene& scene) {
  std::string text;
  for (const auto& [number, floor] : scene.floors()) {
    for (const auto& [key, cell] : floor.cells) {
      text += "cell " + Number(cell.cell.floor) + " " + Number(cell.cell.column) + " " +
              Number(cell.cell.row) + "\n";
      for (const scene::FacePolygon& face : cell.faces) {
        text += "  " + scene.textures().Name(face.texture) + " " + FamilyName(face.family) + " " +
                Number(face.brush) + ":";
        for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
          const scene::Vertex& v = cell.vertices[face.firstVertex + i];
          text += " (" + Number(v.x) + " " + Number(v.y) + " " + Number(v.z) + " " + Number(v.s) +
                  " " + Number(v.t) + " " + Number(v.shade) + ")";
        }
        text += "\n";
      }
      for (const scene::PointEntity& point : cell.points) {
        text += "  " + point.classname + " " + Number(static_cast<int>(point.family)) + " (" +
                Number(point.origin.x) + " " + Number(point.origin.y) + " " +
                Number(point.origin.z) + ")\n";
      }
    }
  }
  for (const scene::LinkLine& link : scene.links()) {
    text += "link " + Number(link.fromFloor) + " (" + Number(link.from.x) + " " +
            Number(link.from.y) + " " + Number(link.from.z) + ") " + Number(link.toFloor) + " (" +
            Number(link.to.x) + " " + Number(link.to.y) + " " + Number(link.to.z) + ")\n";
  }
  return text;
}

}  // namespace cw::testing
