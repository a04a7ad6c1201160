#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "compiler/template_library.h"
#include "document/level.h"
#include "document/records.h"
#include "scene/cell_geometry.h"
#include "scene/floor_batches.h"
#include "scene/oriented_block.h"
#include "scene/scene_overlays.h"
#include "scene/texture_names.h"
#include "settings/settings.h"

namespace cw::scene {

// The cells of one floor that hold something, by column and row.
struct FloorScene {
  std::map<std::pair<std::int32_t, std::int32_t>, CellGeometry> cells;
  std::uint64_t revision = 0;  // new at every change of the floor's cells, never used twice
};

// The level in 3D exactly as Build writes it, kept cell by cell so that an edit of one cell
// rebuilds that cell alone. Floors are kept apart so that the floors above the current one can be
// left out cheaply.
class LevelScene {
 public:
  // Builds everything anew: each block record placed in its cell, in level order, and the link
  // lines. Templates are read again through `templates`, once per block name, and kept for the
  // updates that follow; `templates` must outlive them.
  void Rebuild(const document::Level& level, const settings::Settings& settings,
               compiler::TemplateSource& templates);

  // Builds the cells again from the level's block records, after records of those cells left or
  // entered the level; every other cell keeps its geometry.
  void UpdateCells(const document::Level& level, const std::vector<document::Cell>& cells);

  // The link lines again, after a change of the level's links.
  void UpdateLinks(const document::Level& level);

  const std::map<std::int32_t, FloorScene>& floors() const { return floors_; }
  // The geometry of a cell; none for a cell that holds nothing.
  const CellGeometry* FindCell(const document::Cell& cell) const;
  const std::vector<LinkLine>& links() const { return links_; }
  const TextureNames& textures() const { return textures_; }
  const settings::PlacementSettings& placement() const { return settings_.block; }
  // The box around everything in the scene; empty (min above max) for an empty level.
  Box Bounds() const;

  // A floor's faces merged into one batch per texture and family, made again only after the
  // floor changed; an empty set for a floor with nothing.
  const FloorBatches& Batches(std::int32_t floor);

 private:
  const OrientedBlock& Block(const std::string& name, std::int32_t flags);
  CellGeometry& CellFor(const document::Cell& cell);
  void Touch(FloorScene& floor);

  settings::Settings settings_;
  std::unique_ptr<compiler::TemplateLibrary> library_;
  std::map<std::pair<std::string, std::int32_t>, OrientedBlock> blocks_;
  TextureNames textures_;
  std::map<std::int32_t, FloorScene> floors_;
  std::map<std::int32_t, FloorBatches> batches_;
  std::vector<LinkLine> links_;
  std::uint64_t nextRevision_ = 0;
};

}  // namespace cw::scene
