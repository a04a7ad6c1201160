#include "compiler/post_build.h"

#include "compiler/post_build_arguments.h"
#include "platform/paths.h"
#include "platform/process_runner.h"

#ifndef _WIN32
#include <filesystem>
#include <system_error>
#endif

namespace cw::compiler {

PostBuildArguments PostBuildArgumentsFor(std::string_view mapPath) {
  const std::size_t separator = mapPath.find_last_of(platform::kPathSeparators);
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

namespace {

// The batch's argument vector: run by the shell as a script with two separate arguments; no
// command line is ever parsed. Nothing when no batch is found.
std::optional<std::vector<std::string>> PostBuildArgv(const std::string& mapPath) {
  const std::optional<std::string> batch =
      platform::FindInCurrentDirectoryOrPath(kPostBuildBatchName);
  if (!batch) return std::nullopt;
  // POSIX has no short names: the full name and folder are passed, the path made absolute so the
  // batch finds the map wherever it runs.
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(mapPath, error);
  if (error) path = mapPath;
  const PostBuildArguments arguments = PostBuildArgumentsFor(path.string());
  return std::vector<std::string>{"/bin/sh", *batch, arguments.name, arguments.folder};
}

}  // namespace

#else  // _WIN32

namespace {

// "PellPost.BAT" with the short name and folder of the map, which WinExec finds as Windows finds
// programs. A relative path (from cryptwright-build) is made absolute first, so that the batch
// gets the map's whole folder, as on POSIX. Without a short form (no such file, or too long for
// the buffer) the long path is passed.
std::optional<std::vector<std::string>> PostBuildArgv(const std::string& mapPath) {
  const std::string fullPath = platform::FullPathName(mapPath);
  const std::string path = platform::ShortPathName(fullPath).value_or(fullPath);
  const PostBuildArguments arguments = PostBuildArgumentsFor(path);
  return std::vector<std::string>{kPostBuildBatchName, arguments.name, arguments.folder};
}

}  // namespace

#endif

bool RunPostBuild(platform::ProcessRunner& runner, const std::string& mapPath) {
  const std::optional<std::vector<std::string>> argv = PostBuildArgv(mapPath);
  return argv && runner.StartDetached(*argv);
}

std::unique_ptr<platform::WatchedProcess> StartWatchedPostBuild(platform::ProcessRunner& runner,
                                                                const std::string& mapPath) {
  const std::optional<std::vector<std::string>> argv = PostBuildArgv(mapPath);
  if (!argv) return nullptr;
  return runner.StartWatched(*argv);
}

}  // namespace cw::compiler
