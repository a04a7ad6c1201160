#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "compiler/template_library.h"
#include "document/level_document.h"
#include "scene/level_scene.h"
#include "settings/settings.h"

namespace cw::forms {

// The level in 3D, kept up with the level's changes. Hearing of a change costs next to nothing:
// the cells it touched are noted (a whole new level, or more cells than a rebuild costs, is noted
// as such) and `changed` is called, so that the view asks for a new frame; Sync, before the
// frame is drawn, builds the noted cells again, and nothing else. Templates are read from the
// working folder once per whole level (Load, New, a restored recovery file).
class SceneFollower final : public document::LevelObserver {
 public:
  SceneFollower(document::LevelDocument& document, settings::Settings settings,
                std::function<void()> changed);
  ~SceneFollower() override;
  SceneFollower(const SceneFollower&) = delete;
  SceneFollower& operator=(const SceneFollower&) = delete;

  // Brings the scene up to date with the level; true when it changed.
  bool Sync();
  scene::LevelScene& Scene() { return scene_; }

  void LevelChanged(const document::Level& level, const document::LevelChange& change) override;

 private:
  document::LevelDocument& document_;
  settings::Settings settings_;
  std::function<void()> changed_;
  std::unique_ptr<compiler::TemplateSource> templates_;
  scene::LevelScene scene_;
  bool rebuild_ = true;
  bool links_ = false;
  std::vector<document::Cell> cells_;
};

}  // namespace cw::forms
