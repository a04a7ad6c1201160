// Where files without a name cannot be made, an interrupted write removes its named temporary
// file, then the program ends by the signal as it would have.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/interrupt_cleanup.h"
#include "platform/replacing_file_writer.h"
#include "support/test_files.h"

namespace cw::platform {
namespace {

TEST(InterruptCleanup, AnInterruptedWriteLeavesOnlyTheOldFile) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (const bool cleanup : {true, false}) {
      cw::testing::TempDir dir;
      cw::testing::WriteFileBytes(dir.File("level.map"), "old");
      std::fflush(nullptr);
      const pid_t child = ::fork();
      if (child == 0) {
        ::signal(signal, SIG_DFL);  // whatever the test runner ignores
        if (cleanup) RemoveTemporaryFileOnInterrupt();
        ReplacingFileWriter writer(dir.File("level.map"));
        writer.UseNamedTemporaryForTesting();
        if (writer.Open()) writer.Write(std::string(1 << 20, 'x'));
        ::kill(::getpid(), signal);
        ::_exit(1);
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
      EXPECT_EQ(cw::testing::ReadFileBytes(dir.File("level.map")), "old");
      // Without the handler the temporary file stays: the child did write one.
      EXPECT_EQ(cw::testing::EntriesIn(dir.path()), cleanup ? 1u : 2u) << "signal " << signal;
    }
  }
}

}  // namespace
}  // namespace cw::platform
