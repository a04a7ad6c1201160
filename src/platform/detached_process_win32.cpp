#include <windows.h>

#include "platform/detached_process.h"

namespace cw::platform {

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

bool StartCommandLine(const std::string& commandLine) {
  return ::WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
}

}  // namespace cw::platform
