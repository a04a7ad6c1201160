#include "scene/level_scene.h"

#include <algorithm>

namespace cw::scene {

void LevelScene::Rebuild(const document::Level& level, const settings::Settings& settings,
                         compiler::TemplateSource& templates) {
  settings_ = settings;
  library_ = std::make_unique<compiler::TemplateLibrary>(templates);
  blocks_.clear();
  floors_.clear();
  for (const std::string& text : level.BlockList) {
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(text);
    if (!record) continue;  // Build writes only its comment line
    AddPlacedBlock(CellFor(record->cell()), Block(record->name, record->flags), *record,
                   settings_.block);
  }
  // A cell whose records bring nothing (a missing template) holds nothing.
  for (auto& [number, floor] : floors_) {
    std::erase_if(floor.cells, [](const auto& cell) { return cell.second.empty(); });
  }
  std::erase_if(floors_, [](const auto& floor) { return floor.second.cells.empty(); });
  UpdateLinks(level);
}

void LevelScene::UpdateCells(const document::Level& level,
                             const std::vector<document::Cell>& cells) {
  if (!library_) return;  // nothing was built yet
  for (const document::Cell& cell : cells) {
    const auto floor = floors_.find(cell.floor);
    if (floor == floors_.end()) continue;
    floor->second.cells.erase({cell.column, cell.row});
    Touch(floor->second);
  }
  for (const std::string& text : level.BlockList) {
    const std::optional<document::Cell> cell = document::ParseCell(text);
    if (!cell || std::find(cells.begin(), cells.end(), *cell) == cells.end()) continue;
    const std::optional<document::BlockRecord> record = document::ParseBlockRecord(text);
    if (!record) continue;
    AddPlacedBlock(CellFor(*cell), Block(record->name, record->flags), *record, settings_.block);
  }
  for (const document::Cell& cell : cells) {
    const auto floor = floors_.find(cell.floor);
    if (floor == floors_.end()) continue;
    const auto found = floor->second.cells.find({cell.column, cell.row});
    if (found != floor->second.cells.end() && found->second.empty()) {
      floor->second.cells.erase(found);
    }
    if (floor->second.cells.empty()) floors_.erase(floor);
  }
}

void LevelScene::UpdateLinks(const document::Level& level) {
  links_ = LinkLines(level.LinkList, settings_.block);
}

const CellGeometry* LevelScene::FindCell(const document::Cell& cell) const {
  const auto floor = floors_.find(cell.floor);
  if (floor == floors_.end()) return nullptr;
  const auto found = floor->second.cells.find({cell.column, cell.row});
  return found == floor->second.cells.end() ? nullptr : &found->second;
}

Box LevelScene::Bounds() const {
  Box box = EmptyBox();
  for (const auto& [number, floor] : floors_) {
    for (const auto& [key, cell] : floor.cells) {
      Include(box, cell.bounds.min);
      Include(box, cell.bounds.max);
    }
  }
  return box;
}

const FloorBatches& LevelScene::Batches(std::int32_t floor) {
  FloorBatches& batches = batches_[floor];
  const auto found = floors_.find(floor);
  const std::uint64_t revision = found == floors_.end() ? 0 : found->second.revision;
  if (batches.revision != revision) {
    batches = found == floors_.end() ? FloorBatches{} : MergeFloor(found->second.cells);
    batches.revision = revision;
  }
  return batches;
}

const OrientedBlock& LevelScene::Block(const std::string& name, std::int32_t flags) {
  const auto [found, added] = blocks_.try_emplace({name, flags});
  if (added) {
    const compiler::TemplateLibrary::Entry& entry = library_->Get(name);
    found->second = OrientBlock(entry.blockTemplate, flags, settings_.game.playerStarts, textures_);
  }
  return found->second;
}

CellGeometry& LevelScene::CellFor(const document::Cell& cell) {
  FloorScene& floor = floors_[cell.floor];
  Touch(floor);
  CellGeometry& geometry = floor.cells[{cell.column, cell.row}];
  geometry.cell = cell;
  return geometry;
}

void LevelScene::Touch(FloorScene& floor) {
  floor.revision = ++nextRevision_;
}

}  // namespace cw::scene
