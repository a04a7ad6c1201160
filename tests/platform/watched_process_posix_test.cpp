// A program started with its output watched: its output line by line without waiting, its exit
// status, no zombie, and a program that runs on when its reader goes away.
#include "platform/process_runner.h"
#include "platform/watched_process.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/post_build_probe.h"
#include "support/test_files.h"

namespace cw::platform {
namespace {

using cw::testing::TempDir;

std::unique_ptr<WatchedProcess> StartShell(const std::string& script) {
  return platform::SystemProcessRunner().StartWatched({"/bin/sh", "-c", script});
}

std::string AllOutput(WatchedProcess& process, ProcessExit& exit) {
  std::string out;
  exit = process.WaitPassingOutput([&](std::string_view bytes) { out += bytes; });
  return out;
}

void ExpectNoChildren() {
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(WatchedProcessTest, OutputAndErrorsComeOnOnePipeAndTheStatusAtTheEnd) {
  auto process =
      StartShell("echo one; echo two >&2; printf 'no end'; read x; echo \"[$x]\"; exit 3");
  ASSERT_TRUE(process);
  ProcessExit exit;
  // Standard input is the null device: read finds nothing at once.
  EXPECT_EQ(AllOutput(*process, exit), "one\ntwo\nno end[]\n");
  EXPECT_EQ(exit, (ProcessExit{ProcessExit::Kind::kExited, 3}));
  ExpectNoChildren();
}

TEST(WatchedProcessTest, ReadingNeverWaitsForTheProgram) {
  auto process = StartShell("echo first; sleep 1; echo second");
  ASSERT_TRUE(process);
  std::string seen;
  const auto start = std::chrono::steady_clock::now();
  // The first line arrives while the program sleeps; reading in between returns at once.
  while (seen.find("first\n") == std::string::npos) {
    pollfd watch{process->OutputDescriptor(), POLLIN, 0};
    ASSERT_GE(::poll(&watch, 1, 5000), 1);
    const WatchedProcess::Output output = process->ReadAvailable();
    ASSERT_FALSE(output.ended);
    seen += output.bytes;
  }
  const WatchedProcess::Output nothingYet = process->ReadAvailable();
  EXPECT_EQ(nothingYet.bytes, "");
  EXPECT_FALSE(nothingYet.ended);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  ProcessExit exit;
  EXPECT_EQ(AllOutput(*process, exit), "second\n");
  EXPECT_EQ(exit, (ProcessExit{ProcessExit::Kind::kExited, 0}));
}

TEST(WatchedProcessTest, AProgramThatCannotStartIsNoProcess) {
  EXPECT_FALSE(platform::SystemProcessRunner().StartWatched({"/no/such/program"}));
  EXPECT_FALSE(platform::SystemProcessRunner().StartWatched({}));
  ExpectNoChildren();
}

TEST(WatchedProcessTest, TheProgramRunsOnWhenItsReaderGoes) {
  const TempDir dir;
  const std::filesystem::path done = dir.path() / "done.txt";
  // Plenty of output after the reader has gone: the program must neither die of SIGPIPE nor
  // block on a full pipe.
  auto process = StartShell(
      "echo start; sleep 0.3; i=0; while [ $i -lt 2000 ]; do "
      "echo line $i; i=$((i+1)); done; echo finished > '" +
      done.string() + ".tmp' && mv '" + done.string() + ".tmp' '" + done.string() + "'");
  ASSERT_TRUE(process);
  process.reset();
  const auto lines = cw::testing::WaitForLines(done);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, std::vector<std::string>{"finished"});
  ExpectNoChildren();
}

}  // namespace
}  // namespace cw::platform
