#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cw::platform {

// The path of a file found by its bare name: first in the current directory, then in each folder
// of PATH (an empty entry meaning the current directory). Only readable regular files count.
// Absolute when the current directory can be read.
std::optional<std::string> FindInCurrentDirectoryOrPath(const std::string& fileName);

// Starts a program with the given argument vector (argv[0] is the program's path; each argument
// is passed as it is, no shell ever reads them) in a session of its own, without waiting for it.
// It is not a child of this process, so it leaves no zombie behind. Returns whether the program
// was started, that is whether it was found and could be executed.
bool StartDetachedProcess(const std::vector<std::string>& argv);

}  // namespace cw::platform
