#include <windows.h>

#include "platform/process_runner.h"

namespace cw::platform {
namespace {

class WindowsProcessRunner final : public ProcessRunner {
 public:
  bool StartDetached(const std::vector<std::string>& argv) override {
    if (argv.empty()) return false;
    return ::WinExec(WindowsCommandLine(argv).c_str(), SW_SHOWNORMAL) > 31;
  }

  // Watching a program's output is not available on Windows yet.
  std::unique_ptr<WatchedProcess> StartWatched(const std::vector<std::string>&) override {
    return nullptr;
  }

  bool WatchesOutput() const override { return false; }
};

}  // namespace

std::string WindowsCommandLine(const std::vector<std::string>& argv) {
  std::string commandLine = argv.empty() ? std::string() : argv.front();
  for (std::size_t i = 1; i < argv.size(); ++i) commandLine += " \"" + argv[i] + "\"";
  return commandLine;
}

ProcessRunner& SystemProcessRunner() {
  static WindowsProcessRunner runner;  // holds no state
  return runner;
}

std::optional<std::string> FindInCurrentDirectoryOrPath(const std::string& fileName) {
  char found[MAX_PATH];
  const DWORD length = ::SearchPathA(nullptr, fileName.c_str(), nullptr, MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return std::string(found, length);
}

std::string FullPathName(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return path;
  return std::string(full, length);
}

std::optional<std::string> ShortPathName(const std::string& path) {
  char shortPath[120];
  const DWORD length = ::GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  if (length == 0 || length >= sizeof shortPath) return std::nullopt;
  return std::string(shortPath, length);
}

}  // namespace cw::platform
