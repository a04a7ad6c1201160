// Check of the demo level: nothing found, and its budget.
#include <gtest/gtest.h>

#include <string>

#include "kit/kit_fixture.h"

namespace cw::testing {
namespace {

TEST(DemoCheckTest, TheDemoHasNothingToReportAndItsBudgetForQuake) {
  const ShellRun run = Shell("cd " + Quoted(CW_KIT_DIR) + " && " +
                             Quoted(CW_TOOL_CRYPTWRIGHT_BUILD) + " --check works/Demo.pwl");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output,
            "Check of Demo\n"
            "Quake budget: brushes 189 of 4096\n"
            "Quake budget: brush models 6 of 256\n"
            "Quake budget: entities 12 of 600\n"
            "Quake budget: faces at least 1138 of 65535\n"
            "Quake budget: planes at least 107 of 32767\n"
            "Check: 0 problems, 0 warnings\n");
}

}  // namespace
}  // namespace cw::testing
