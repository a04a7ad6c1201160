#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/game_settings.h"

namespace cw::compiler {

// What the budget counts in a built map.
enum class BudgetItem { kBrushes, kModels, kEntities, kFaces, kPlanes };

struct GameLimit {
  BudgetItem item;
  std::string_view name;  // as the budget line writes it
  std::uint64_t limit;
  bool lowerBound;  // the count is an estimate that the compiler can only raise
};

// The limits of the stock engines and their id compile tools, from their public sources:
//
// Quake (WinQuake/bspfile.h and WinQuake/quakedef.h of id's Quake source release):
//   MAX_MAP_BRUSHES 4096 (qbsp's table of map brushes), MAX_MAP_MODELS 256 and MAX_MODELS 256
//   (a model index goes over the network as a byte; the world is model 1), MAX_EDICTS 600 (the
//   engine's entities, every map entity among them), MAX_MAP_PLANES 32767, MAX_MAP_FACES 65535.
// Quake 2 (qcommon/qfiles.h and game/q_shared.h of id's Quake 2 source release):
//   MAX_MAP_BRUSHES 8192, MAX_MODELS 256 (every brush model takes a model index, which goes over
//   the network as a byte; the world is model 1; the compiler's MAX_MAP_MODELS 1024 is never
//   reached first), MAX_EDICTS 1024, MAX_MAP_BRUSHSIDES 65536, MAX_MAP_PLANES 65536 (qbsp3 keeps
//   every plane together with its opposite, so a map uses two entries per plane).
// Heretic II: the same numbers. Its compilers are Quake 2's (q2map with -game heretic2 in
//   GtkRadiant's tools/quake2/common/qfiles.h, or the game toolkit's qbsp3): MAX_MAP_BRUSHES 8192
//   (the game itself reads up to 10240), MAX_MAP_BRUSHSIDES 65536, MAX_MAP_PLANES 65536 in pairs;
//   and its engine keeps Quake 2's tables (qcommon/q_ClientServer.h of the game's source):
//   MAX_MODELS 256, MAX_EDICTS 1024.
//
// Faces and planes are estimates: qbsp splits faces and adds the planes of its clipping hulls,
// so the counts here are what the map needs at least.
const std::vector<GameLimit>& LimitsOf(settings::TargetGame game);

// Whether the game's compiler stores each plane with its opposite, two entries a plane.
bool KeepsPlanePairs(settings::TargetGame game);

}  // namespace cw::compiler
