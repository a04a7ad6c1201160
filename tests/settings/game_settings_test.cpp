// The section "Game" of the settings file: the target game and the player starts.
#include <gtest/gtest.h>

#include "settings/settings.h"

namespace cw::settings {
namespace {

TEST(GameSettingsTest, TargetGameAndPlayerStartsAreReadWithTheirDefaults) {
  struct Case {
    const char* ini;
    TargetGame target;
    std::vector<std::string> starts;
  } cases[] = {
      {"", TargetGame::kQuake, {"info_player_start"}},
      {"[Game]\r\nTarget=Quake2\r\n", TargetGame::kQuake2, {"info_player_start"}},
      {"[game]\ntarget = quake2\n", TargetGame::kQuake2, {"info_player_start"}},
      {"[Game]\nTarget=HERETIC2\n", TargetGame::kHeretic2, {"info_player_start"}},
      {"[Game]\nTarget=Doom\n", TargetGame::kQuake, {"info_player_start"}},
      {"[Game]\nPlayerStarts= info_player_start , info_player_coop,,\n",
       TargetGame::kQuake,
       {"info_player_start", "info_player_coop"}},
      {"[Game]\nPlayerStarts= , \n", TargetGame::kQuake, {"info_player_start"}},
      // Only the first section of the name counts, as for the other sections.
      {"[Game]\nTarget=Quake\n[Game]\nTarget=Quake2\n", TargetGame::kQuake, {"info_player_start"}},
  };
  for (const Case& c : cases) {
    const Settings settings = ParseSettings(c.ini);
    EXPECT_EQ(settings.game.target, c.target) << c.ini;
    EXPECT_EQ(settings.game.playerStarts, c.starts) << c.ini;
    // The other sections keep their defaults.
    EXPECT_EQ(settings.block.Bx, 128) << c.ini;
  }
  EXPECT_STREQ(TargetGameName(TargetGame::kQuake), "Quake");
  EXPECT_STREQ(TargetGameName(TargetGame::kQuake2), "Quake2");
  EXPECT_STREQ(TargetGameName(TargetGame::kHeretic2), "Heretic2");
}

}  // namespace
}  // namespace cw::settings
