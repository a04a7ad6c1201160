// cryptwright-build ended by a signal in the middle of a stress-size build: the old map stays
// and nothing is left beside it. SIGTERM, SIGINT and SIGHUP once left ".NAME.tmpNNNNNN" (up to
// 90 MB) every time, SIGKILL nearly every time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

// Every cell of 16 floors of 32 x 32 filled with a block of 10 brushes: about 80 MB of map.
void WriteStressFolder(const fs::path& folder) {
  std::string blockTemplate = "{\r\n\"classname\" \"worldspawn\"\r\n";
  for (int brush = 1; brush <= 10; ++brush) {
    blockTemplate += "{\r\n";
    for (int face = 1; face <= 6; ++face) {
      blockTemplate += "( " + std::to_string(brush) + " 0 0 ) ( 0 " + std::to_string(face) +
                       " 0 ) ( 0 0 " + std::to_string(brush + face) + " ) WALL 8 16 0 1 1\r\n";
    }
    blockTemplate += "}\r\n";
  }
  blockTemplate += "}\r\n{\r\n\"classname\" \"light\"\r\n\"origin\" \"0 0 64\"\r\n}\r\n";
  WriteFileBytes(folder / "S.map", blockTemplate);
  std::string level;
  for (int floor = -8; floor < 8; ++floor) {
    for (int cell = 0; cell < 32 * 32; ++cell) {
      level += std::to_string(floor) + " " + std::to_string(cell % 32) + " " +
               std::to_string(cell / 32) + " " + std::to_string(cell & 7) + " S\r\n";
    }
  }
  WriteFileBytes(folder / "stress.pwl", level);
}

// Starts cryptwright-build in the folder with the signals' default actions, whatever the test
// runner ignores, and its output streams discarded.
pid_t StartBuild(const fs::path& folder) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child != 0) return child;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::signal(signal, SIG_DFL);
  const int null = ::open("/dev/null", O_WRONLY);
  if (::chdir(folder.c_str()) != 0 || null < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) {
    ::_exit(126);
  }
  ::execl(CW_TOOL_CRYPTWRIGHT_BUILD, CW_TOOL_CRYPTWRIGHT_BUILD, "stress.pwl", "stress.map",
          static_cast<char*>(nullptr));
  ::_exit(127);
}

// Whether the child has its map's temporary file open: one named beside the map, or one without
// a name in the folder, which /proc shows as "FOLDER/#INODE (deleted)".
bool WritingTheMap(pid_t child, const fs::path& folder) {
  std::error_code error;
  for (const fs::directory_entry& fd :
       fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", error)) {
    const std::string target = fs::read_symlink(fd.path(), error).string();
    if (target.starts_with((folder / ".stress.map.tmp").string()) ||
        target.starts_with((folder / "#").string())) {
      return true;
    }
  }
  return false;
}

bool FolderTakesUnnamedFiles(const fs::path& folder) {
  const int file = ::open(folder.c_str(), O_WRONLY | O_TMPFILE, 0600);
  if (file < 0) return false;
  ::close(file);
  return true;
}

TEST(BuildInterrupted, NothingIsLeftBesideTheMap) {
  const TempDir dir;
  const fs::path folder = fs::canonical(dir.path());
  WriteStressFolder(folder);
  const std::set<std::string> names = {"S.map", "stress.map", "stress.pwl"};
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    // A killed program cannot clean up: only a file without a name goes with it.
    if (signal == SIGKILL && !FolderTakesUnnamedFiles(folder)) continue;
    WriteFileBytes(folder / "stress.map", "old map");
    const pid_t child = StartBuild(folder);
    ASSERT_GT(child, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!WritingTheMap(child, folder) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the build ended before signal " << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    std::set<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, names) << "signal " << signal;
    EXPECT_EQ(ReadFileBytes(folder / "stress.map"), "old map");
  }
}

}  // namespace
