#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/watched_process.h"

// Starting other programs: every process call of the program goes through a ProcessRunner, whose
// one implementation per system is in process_runner_posix.cpp and process_runner_win32.cpp.
// Tests put a runner of their own in its place.
namespace cw::platform {

class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;

  // Starts a program and lets it go, without waiting for it; it leaves no zombie behind. On
  // POSIX argv[0] is the program's path and each argument is passed as it is, no shell reading
  // them; on Windows the command line is argv[0] followed by each further argument in double
  // quotes, run as WinExec runs it. Whether the program was started.
  virtual bool StartDetached(const std::vector<std::string>& argv) = 0;

  // Starts a program with its output and exit status watched (WatchedProcess). Nothing when it
  // could not be started, or where output cannot be watched (Windows for now): then the caller
  // starts it detached.
  virtual std::unique_ptr<WatchedProcess> StartWatched(const std::vector<std::string>& argv) = 0;

  // Whether StartWatched can watch a program here at all.
  virtual bool WatchesOutput() const = 0;
};

// The system's runner.
ProcessRunner& SystemProcessRunner();

// The path of a file found by its bare name: first in the current directory, then in each folder
// of PATH (an empty entry meaning the current directory). Only readable regular files count.
// Absolute when the current directory can be read. (Windows: as SearchPathA finds it.)
std::optional<std::string> FindInCurrentDirectoryOrPath(const std::string& fileName);

#ifdef _WIN32
// The command line that StartDetached gives WinExec: argv[0], then each further argument in
// double quotes, so that a folder with blanks or "&" reaches the program whole and nothing else
// runs (a Windows path cannot hold a double quote itself).
std::string WindowsCommandLine(const std::vector<std::string>& argv);

// The absolute form of a path (from GetFullPathNameA), relative to the current folder; the
// path itself when it has none.
std::string FullPathName(const std::string& path);

// The short (8.3) form of an existing path from GetShortPathNameA, in a buffer of 120
// characters; nothing when the path has none or it does not fit.
std::optional<std::string> ShortPathName(const std::string& path);
#endif

}  // namespace cw::platform
