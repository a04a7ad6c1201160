#pragma once

#include <optional>
#include <string>
#include <vector>

// Starting other programs. Every process call of the program is in detached_process_posix.cpp
// or detached_process_win32.cpp.
namespace cw::platform {

// The path of a file found by its bare name: first in the current directory, then in each folder
// of PATH (an empty entry meaning the current directory). Only readable regular files count.
// Absolute when the current directory can be read.
std::optional<std::string> FindInCurrentDirectoryOrPath(const std::string& fileName);

#ifndef _WIN32
// Starts a program with the given argument vector (argv[0] is the program's path; each argument
// is passed as it is, no shell ever reads them) in a session of its own, without waiting for it.
// It is not a child of this process, so it leaves no zombie behind. Returns whether the program
// was started, that is whether it was found and could be executed.
bool StartDetachedProcess(const std::vector<std::string>& argv);
#else
// The absolute form of a path (from GetFullPathNameA), relative to the current folder; the
// path itself when it has none.
std::string FullPathName(const std::string& path);

// The short (8.3) form of an existing path from GetShortPathNameA, in a buffer of 120
// characters; nothing when the path has none or it does not fit.
std::optional<std::string> ShortPathName(const std::string& path);

// Starts a command line with WinExec in the normal window state, without waiting for it.
// Returns whether it was started.
bool StartCommandLine(const std::string& commandLine);
#endif

}  // namespace cw::platform
