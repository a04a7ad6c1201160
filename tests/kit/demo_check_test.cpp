// Check of the demo level: nothing found, and its budget.
#include <gtest/gtest.h>

#include <string>

#include "kit/kit_fixture.h"

namespace cw::testing {
namespace {

TEST(DemoCheckTest, TheDemoHasNothingToReportAndItsBudgetForItsGame) {
  const struct {
    Kit kit;
    const char* report;
  } cases[] = {{Kit::kQuake,
                "Check of Demo\n"
                "Quake budget: brushes 183 of 4096\n"
                "Quake budget: brush models 6 of 256\n"
                "Quake budget: entities 12 of 600\n"
                "Quake budget: faces at least 1102 of 65535\n"
                "Quake budget: planes at least 102 of 32767\n"
                "Check: 0 problems, 0 warnings\n"},
               {Kit::kHeretic2,
                "Check of Demo\n"
                "Heretic2 budget: brushes 183 of 8192\n"
                "Heretic2 budget: brush models 6 of 256\n"
                "Heretic2 budget: entities 12 of 1024\n"
                "Heretic2 budget: brush sides at least 1102 of 65536\n"
                "Heretic2 budget: planes at least 204 of 65536\n"
                "Check: 0 problems, 0 warnings\n"}};
  for (const auto& [kit, report] : cases) {
    const ShellRun run = Shell("cd " + Quoted(KitFolder(kit)) + " && " +
                               Quoted(CW_TOOL_CRYPTWRIGHT_BUILD) + " --check works/Demo.pwl");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, report);
  }
}

}  // namespace
}  // namespace cw::testing
