// Check of the demo level: nothing found, and its budget for both target games.
#include <gtest/gtest.h>

#include <string>

#include "compiler/level_check.h"
#include "document/level_file.h"
#include "kit/kit_fixture.h"
#include "settings/settings.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

TEST(DemoCheckTest, TheDemoHasNothingToReportAndItsBudgetForQuake) {
  const ShellRun run = Shell("cd " + Quoted(CW_KIT_DIR) + " && " +
                             Quoted(CW_TOOL_CRYPTWRIGHT_BUILD) + " --check works/Demo.pwl");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output,
            "Quake budget: brushes 183 of 4096\n"
            "Quake budget: brush models 6 of 256\n"
            "Quake budget: entities 12 of 600\n"
            "Quake budget: faces at least 1102 of 65535\n"
            "Quake budget: planes at least 102 of 32767\n"
            "0 problems, 0 warnings\n");
}

TEST(DemoCheckTest, TheDemosBudgetForQuake2) {
  const CurrentDirectoryGuard inKit(CW_KIT_DIR);
  const document::Level level =
      document::ParseLevelFileText(ReadKitFile("works/Demo.pwl"));
  settings::Settings settings = settings::ParseSettings(ReadKitFile("PellEd.ini"));
  EXPECT_EQ(settings.game.target, settings::TargetGame::kQuake);
  EXPECT_EQ(settings.game.playerStarts, std::vector<std::string>{"info_player_start"});
  settings.game.target = settings::TargetGame::kQuake2;
  compiler::FileTemplateSource templates;
  std::string listed;
  for (const compiler::Finding& finding :
       compiler::CheckLevel(level, settings, templates, compiler::PictureFileExists).findings) {
    listed += compiler::FindingText(finding) + "\n";
  }
  EXPECT_EQ(listed,
            "Quake2 budget: brushes 183 of 8192\n"
            "Quake2 budget: brush models 6 of 1024\n"
            "Quake2 budget: entities 12 of 1024\n"
            "Quake2 budget: brush sides at least 1102 of 65536\n"
            "Quake2 budget: planes at least 204 of 65536\n");
}

}  // namespace
}  // namespace cw::testing
