#include "forms/view3d_scene_follower.h"

#include <algorithm>

namespace cw::forms {
namespace {

// Beyond this many cells noted while the view waits, building the level anew costs less than
// finding each cell's records in it again.
constexpr std::size_t kMostNotedCells = 512;

void Note(std::vector<document::Cell>& cells, const std::optional<document::RecordAt>& record) {
  if (!record) return;
  const std::optional<document::Cell> cell = document::ParseCell(record->record);
  if (cell && std::find(cells.begin(), cells.end(), *cell) == cells.end()) {
    cells.push_back(*cell);
  }
}

}  // namespace

SceneFollower::SceneFollower(document::LevelDocument& document, settings::Settings settings,
                             std::function<void()> changed)
    : document_(document),
      settings_(std::move(settings)),
      changed_(std::move(changed)),
      templates_(std::make_unique<compiler::FileTemplateSource>()) {
  document_.AddObserver(*this);
}

SceneFollower::~SceneFollower() {
  document_.RemoveObserver(*this);
}

bool SceneFollower::Sync() {
  const document::Level& level = document_.level();
  if (rebuild_) {
    scene_.Rebuild(level, settings_, *templates_);
  } else if (cells_.empty() && !links_) {
    return false;
  } else {
    if (!cells_.empty()) scene_.UpdateCells(level, cells_);
    if (links_) scene_.UpdateLinks(level);
  }
  rebuild_ = false;
  links_ = false;
  cells_.clear();
  return true;
}

void SceneFollower::LevelChanged(const document::Level&, const document::LevelChange& change) {
  if (change.replaced) {
    rebuild_ = true;
  } else if (!rebuild_) {
    for (const document::ListEdit& edit : change.edits) {
      if (edit.list == document::LevelList::kLinks) {
        links_ = true;
        continue;
      }
      Note(cells_, edit.removed);
      Note(cells_, edit.added);
    }
    if (cells_.size() > kMostNotedCells) rebuild_ = true;
  }
  if (rebuild_) cells_.clear();
  if (changed_) changed_();
}

}  // namespace cw::forms
