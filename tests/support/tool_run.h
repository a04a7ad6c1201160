#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cw::testing {

struct ToolRun {
  int exitCode = -1;  // -1 when the program could not be started or did not exit normally
  std::string out;
  std::string err;
};

// Runs a program in a folder with the given arguments, each reaching it as it is, waits for it
// and returns what it wrote to its output and error streams (Windows's CR LF console line ends
// read as LF). The streams go through the files .stdout and .stderr in that folder.
ToolRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                   const std::vector<std::string>& arguments);

}  // namespace cw::testing
