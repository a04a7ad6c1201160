#pragma once

#include <memory>
#include <string>

#include "platform/process_runner.h"
#include "platform/watched_process.h"

namespace cw::compiler {

inline constexpr const char* kPostBuildBatchName = "PellPost.BAT";

// Starts the post-build batch for a finished map file, detached, with two arguments: the map's
// name without its extension and its folder. Returns whether a process was started.
bool RunPostBuild(platform::ProcessRunner& runner, const std::string& mapPath);

// The same batch with the same two arguments, its output and exit status watched, on a runner
// that watches output (ProcessRunner::WatchesOutput). Nothing when no process was started.
std::unique_ptr<platform::WatchedProcess> StartWatchedPostBuild(platform::ProcessRunner& runner,
                                                                const std::string& mapPath);

}  // namespace cw::compiler
