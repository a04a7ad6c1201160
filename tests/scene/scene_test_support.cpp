#include "scene/scene_test_support.h"

#include <cstdio>
#include <filesystem>

#include "support/test_files.h"

namespace cw::testing {
namespace {

std::string Numbers(std::initializer_list<double> values) {
  std::string text;
  char number[32];
  for (double value : values) {
    std::snprintf(number, sizeof number, text.empty() ? "%.9g" : " %.9g", value);
    text += number;
  }
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
  const char* const kNames[] = {"world", "door", "button", "trigger", "entity"};
  return kNames[static_cast<int>(family)];
}

std::string SceneText(const scene::LevelScene& scene) {
  std::string text;
  for (const auto& [number, floor] : scene.floors()) {
    for (const auto& [key, cell] : floor.cells) {
      text += "cell " + Numbers({1.0 * number, 1.0 * key.first, 1.0 * key.second}) + "\n";
      for (const scene::FacePolygon& face : cell.faces) {
        text += "  " + scene.textures().Name(face.texture) + " " + FamilyName(face.family) + " " +
                Numbers({1.0 * face.brush}) + ":";
        for (std::uint32_t i = 0; i < face.vertexCount; ++i) {
          const scene::Vertex& v = cell.vertices[face.firstVertex + i];
          text += " (" + Numbers({v.x, v.y, v.z, v.s, v.t, v.shade}) + ")";
        }
        text += "\n";
      }
      for (const scene::PointEntity& point : cell.points) {
        text += "  " + point.classname + " " + Numbers({1.0 * static_cast<int>(point.family)}) +
                " (" + Numbers({point.origin.x, point.origin.y, point.origin.z}) + ")\n";
      }
    }
  }
  for (const scene::LinkLine& link : scene.links()) {
    text += "link " + Numbers({1.0 * link.fromFloor, link.from.x, link.from.y, link.from.z}) +
            " to " + Numbers({1.0 * link.toFloor, link.to.x, link.to.y, link.to.z}) + "\n";
  }
  return text;
}

}  // namespace cw::testing
