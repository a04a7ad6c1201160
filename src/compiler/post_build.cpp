#include "compiler/post_build.h"

#include "compiler/post_build_arguments.h"
#include "platform/detached_process.h"
#include "platform/paths.h"

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

bool RunPostBuild(const std::string& mapPath) {
  const std::optional<std::vector<std::string>> argv = PostBuildArgv(mapPath);
  return argv && platform::StartDetachedProcess(*argv);
}

WatchedPostBuild StartWatchedPostBuild(const std::string& mapPath) {
  const std::optional<std::vector<std::string>> argv = PostBuildArgv(mapPath);
  if (!argv) return {};
  WatchedPostBuild result;
  result.process = platform::WatchedProcess::Start(*argv);
  result.started = result.process != nullptr;
  return result;
}

#else  // _WIN32

std::string PostBuildCommandLine(const PostBuildArguments& arguments) {
  // Each argument in double quotes, so that a folder with blanks or "&" reaches the batch whole
  // and nothing else runs; a Windows path cannot hold a double quote itself.
  return std::string(kPostBuildBatchName) + " \"" + arguments.name + "\" \"" + arguments.folder +
         "\"";
}

bool RunPostBuild(const std::string& mapPath) {
  // A relative path (from cryptwright-build) is made absolute first, so that the batch gets the
  // map's whole folder, as on POSIX. Without a short form (no such file, or too long for the
  // buffer) the long path is passed.
  const std::string fullPath = platform::FullPathName(mapPath);
  const std::string path = platform::ShortPathName(fullPath).value_or(fullPath);
  return platform::StartCommandLine(PostBuildCommandLine(PostBuildArgumentsFor(path)));
}

WatchedPostBuild StartWatchedPostBuild(const std::string& mapPath) {
  return {RunPostBuild(mapPath), nullptr};
}

#endif

}  // namespace cw::compiler
