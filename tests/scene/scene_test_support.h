#pragma once

#include <string>

#include "compiler/template_library.h"
#include "scene/level_scene.h"

namespace cw::testing {

// The block templates of the bundled Quake kit (kit/), by block name.
compiler::MemoryTemplateSource QuakeKitTemplates();

// "world", "door", "button", "trigger" or "entity".
const char* FamilyName(scene::BrushFamily family);

// Everything in the scene, a line per cell, face, point entity and link, numbers as exactly as
// floats print: two scenes of the same level built in different ways give the same text.
std::string SceneText(const scene::LevelScene& scene);

}  // namespace cw::testing
