#include "compiler/post_build.h"

#include "compiler/post_build_arguments.h"
#include "platform/detached_process.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace cw::compiler {

PostBuildArguments PostBuildArgumentsFor(std::string_view mapPath) {
  const std::size_t separator = mapPath.find_last_of("/\\");
  std::string_view fileName = mapPath;
  std::string_view folder;
  if (separator != std::string_view::npos) {
    fileName = mapPath.substr(separator + 1);
    folder = mapPath.substr(0, separator);
    // A map in the root folder: the folder is the root itself, not an empty text.
    if (folder.empty()) folder = mapPath.substr(0, 1);
  }
  const std::size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos) fileName = fileName.substr(0, dot);
  return {std::string(fileName), std::string(folder)};
}

#ifndef _WIN32

bool RunPostBuild(const std::string& mapPath) {
  const std::optional<std::string> batch =
      platform::FindInCurrentDirectoryOrPath(kPostBuildBatchName);
  if (!batch) return false;
  // POSIX has no short names: the full name and folder are passed, the path made absolute so the
  // batch finds the map wherever it runs.
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(mapPath, error);
  if (error) path = mapPath;
  const PostBuildArguments arguments = PostBuildArgumentsFor(path.string());
  // Run by the shell as a script with two separate arguments; no command line is ever parsed.
  return platform::StartDetachedProcess({"/bin/sh", *batch, arguments.name, arguments.folder});
}

#else  // _WIN32

bool RunPostBuild(const std::string& mapPath) {
  char shortPath[120];
  const DWORD length = ::GetShortPathNameA(mapPath.c_str(), shortPath, sizeof shortPath);
  // Without a short form (no such file, or too long for the buffer) the long path is passed.
  const std::string path =
      (length == 0 || length >= sizeof shortPath) ? mapPath : std::string(shortPath, length);
  const PostBuildArguments arguments = PostBuildArgumentsFor(path);
  const std::string commandLine =
      std::string(kPostBuildBatchName) + " " + arguments.name + " " + arguments.folder;
  return ::WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
}

#endif

}  // namespace cw::compiler
