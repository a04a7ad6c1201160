// The build session's log of a watched batch: progress meters that rewrite their line with
// carriage returns give one line per update.
#include "compiler/build_session.h"

#include <gtest/gtest.h>

#include "compiler/post_build.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CurrentDirectoryGuard;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

TEST(BuildSessionTest, EachCarriageReturnOfTheBatchEndsALineOfTheLog) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  WriteFileBytes(dir.path() / kPostBuildBatchName,
                 "printf 'Vis: 10%%\\rVis: 60%%\\rVis: 100%%\\r\\ndone\\r\\n\\r\\nlast'\nexit 2\n");
  BuildSession session(platform::SystemProcessRunner());
  std::string log;
  const LogSink sink = [&](LogLine line) { log += LogLineText(line) + "\n"; };
  ASSERT_TRUE(session.Build(document::Level{}, settings::Settings{}, dir.File("m.map"),
                            PostBuild::kWatched, sink));
  log.clear();
  const platform::ProcessExit exit = session.WaitForBatch(sink);
  EXPECT_EQ(exit, (platform::ProcessExit{platform::ProcessExit::Kind::kExited, 2}));
  EXPECT_EQ(log,
            "Vis: 10%\nVis: 60%\nVis: 100%\ndone\n\nlast\nPellPost.BAT finished with status 2\n");
  EXPECT_FALSE(session.BatchRunning());
}

}  // namespace
}  // namespace cw::compiler
