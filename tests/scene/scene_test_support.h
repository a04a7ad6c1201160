#pragma once

#include <string>
#include <vector>

#include "compiler/template_library.h"
#include "scene/cell_geometry.h"
#include "scene/level_scene.h"

namespace cw::testing {

// The block templates of the bundled Quake kit (kit/), by block name.
compiler::MemoryTemplateSource QuakeKitTemplates();

// "world", "door", "button", "trigger" or "entity".
const char* FamilyName(scene::BrushFamily family);

// A scene built from a level of the given records and templates, with the default settings.
scene::LevelScene SceneOf(const std::vector<std::string>& records,
                          compiler::TemplateSource& templates);

// A cell's face of the texture whose corner lies within 1e-3 of (x, y, z); nothing when there is
// none.
const scene::Vertex* CornerAt(const scene::LevelScene& scene, const scene::CellGeometry& cell,
                              const std::string& texture, double x, double y, double z);

// Everything in the scene, a line per cell, face, point entity and link, numbers as exactly as
// floats print: two scenes of the same level built in different ways give the same text.
std::string SceneText(const scene::LevelScene& scene);

}  // namespace cw::testing
