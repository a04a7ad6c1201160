#include "compiler/game_limits.h"

namespace cw::compiler {

const std::vector<GameLimit>& LimitsOf(settings::TargetGame game) {
  static const std::vector<GameLimit> kQuake = {
      {BudgetItem::kBrushes, "brushes", 4096, false},
      {BudgetItem::kModels, "brush models", 256, false},
      {BudgetItem::kEntities, "entities", 600, false},
      {BudgetItem::kFaces, "faces", 65535, true},
      {BudgetItem::kPlanes, "planes", 32767, true},
  };
  // Quake 2 and Heretic II share their compilers' limits and their engines' model and entity
  // tables.
  static const std::vector<GameLimit> kQuake2 = {
      {BudgetItem::kBrushes, "brushes", 8192, false},
      {BudgetItem::kModels, "brush models", 256, false},
      {BudgetItem::kEntities, "entities", 1024, false},
      {BudgetItem::kFaces, "brush sides", 65536, true},
      {BudgetItem::kPlanes, "planes", 65536, true},
  };
  return game == settings::TargetGame::kQuake ? kQuake : kQuake2;
}

bool KeepsPlanePairs(settings::TargetGame game) {
  return game != settings::TargetGame::kQuake;
}

}  // namespace cw::compiler
