#pragma once

#include <string>
#include <vector>

namespace cw::settings {

// The game a map is built for: it sets the limits that Check measures the level against.
enum class TargetGame { kQuake, kQuake2, kHeretic2 };

// The section "Game" of the settings file: the target game ("Quake", "Quake2" or "Heretic2",
// default Quake)
// and the classnames that count as a player start, each matching every classname that begins
// with it ("PlayerStarts", separated by commas; default info_player_start).
struct GameSettings {
  TargetGame target = TargetGame::kQuake;
  std::vector<std::string> playerStarts = {"info_player_start"};
};

// The name of a target game as the settings file and the messages write it.
const char* TargetGameName(TargetGame game);

}  // namespace cw::settings
