// cryptwright-build ended by a signal in the middle of a stress-size build (80 MB of map) once
// left ".NAME.tmpNNNNNN" beside the map; now the old map stays and nothing else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

// Every cell of 16 floors of 32 x 32 filled with a block of 10 brushes.
void WriteStressFolder(const fs::path& folder) {
  std::string brushes;
  for (int face = 0; face < 60; ++face) {
    const std::string n = std::to_string(face % 6 + 1);
    brushes += (face % 6 ? "" : "{\r\n") +
               ("( " + n + " 0 0 ) ( 0 " + n + " 0 ) ( 0 0 1 ) W 8 16 0 1 1\r\n") +
               (face % 6 == 5 ? "}\r\n" : "");
  }
  cw::testing::WriteFileBytes(folder / "S.map",
                              "{\r\n\"classname\" \"worldspawn\"\r\n" + brushes + "}\r\n");
  std::string level;
  for (int cell = 0; cell < 16 * 32 * 32; ++cell) {
    level += std::to_string(cell / 1024 - 8) + " " + std::to_string(cell % 32) + " " +
             std::to_string(cell / 32 % 32) + " " + std::to_string(cell & 7) + " S\r\n";
  }
  cw::testing::WriteFileBytes(folder / "stress.pwl", level);
}

// Whether the child has the map's temporary file open: named beside the map, or without a
// name in the folder, which /proc shows as "FOLDER/#INODE (deleted)".
bool WritingTheMap(pid_t child, const fs::path& folder) {
  std::error_code error;
  for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", error)) {
    const std::string target = fs::read_symlink(fd.path(), error).string();
    if (target.starts_with((folder / ".stress.map.tmp").string()) ||
        target.starts_with((folder / "#").string())) {
      return true;
    }
  }
  return false;
}

TEST(BuildInterrupted, NothingIsLeftBesideTheMap) {
  const cw::testing::TempDir dir;
  const fs::path folder = fs::canonical(dir.path());
  WriteStressFolder(folder);
  // A killed program cannot clean up: only a file without a name goes with it.
  const int unnamed = ::open(folder.c_str(), O_WRONLY | O_TMPFILE, 0600);
  if (unnamed >= 0) ::close(unnamed);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    if (signal == SIGKILL && unnamed < 0) continue;
    cw::testing::WriteFileBytes(folder / "stress.map", "old map");
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(signal, SIG_DFL);  // whatever the test runner ignores
      const int null = ::open("/dev/null", O_WRONLY);
      if (::chdir(folder.c_str()) == 0 && ::dup2(null, 1) == 1 && ::dup2(null, 2) == 2) {
        ::execl(CW_TOOL_CRYPTWRIGHT_BUILD, "cryptwright-build", "stress.pwl", "stress.map",
                static_cast<char*>(nullptr));
      }
      ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!WritingTheMap(child, folder) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.insert(entry.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"S.map", "stress.map", "stress.pwl"})) << signal;
    EXPECT_EQ(cw::testing::ReadFileBytes(folder / "stress.map"), "old map");
  }
}

}  // namespace
