#pragma once

#include <string>

namespace cw::compiler {

inline constexpr const char* kPostBuildBatchName = "PellPost.BAT";

// Starts the post-build batch for a finished map file, detached, with two arguments: the map's
// name without its extension and its folder. Returns whether a process was started.
bool RunPostBuild(const std::string& mapPath);

}  // namespace cw::compiler
