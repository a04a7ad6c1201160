// A program interrupted while it writes a named temporary file removes it, then ends by the
// signal as it would have.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/interrupt_cleanup.h"
#include "platform/replacing_file_writer.h"
#include "support/test_files.h"

namespace cw::platform {
namespace {

using cw::testing::EntriesIn;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

// In a child: writes half a file through a named temporary, then receives `signal`.
[[noreturn]] void WriteAndGetSignal(const std::string& target, int signal, bool cleanup) {
  // The test may run where a signal is ignored (started in the background); here it must not be.
  for (const int each : {SIGTERM, SIGINT, SIGHUP}) ::signal(each, SIG_DFL);
  if (cleanup) RemoveTemporaryFileOnInterrupt();
  ReplacingFileWriter writer(target);
  writer.UseNamedTemporaryForTesting();
  if (!writer.Open()) ::_exit(10);
  writer.Write(std::string(1 << 20, 'x'));
  ::kill(::getpid(), signal);
  ::_exit(11);  // not reached: the signal ends the child
}

TEST(InterruptCleanup, AnInterruptedWriteLeavesOnlyTheOldFile) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (const bool cleanup : {true, false}) {
      TempDir dir;
      const std::string target = dir.File("level.map");
      WriteFileBytes(target, "old");
      std::fflush(nullptr);
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) WriteAndGetSignal(target, signal, cleanup);
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
      EXPECT_EQ(WTERMSIG(status), signal);
      EXPECT_EQ(ReadFileBytes(target), "old");
      // Without the handler the temporary file stays: the child did get as far as writing it.
      EXPECT_EQ(EntriesIn(dir.path()), cleanup ? 1u : 2u) << "signal " << signal;
    }
  }
}

}  // namespace
}  // namespace cw::platform
