#pragma once

#include <string>
#include <vector>

#include "document/level.h"
#include "kit/map_text.h"

namespace cw::testing {

// The folder of the bundled kit, and the bytes of one of its files.
std::string KitPath(const std::string& name);
std::string ReadKitFile(const std::string& name);

// The names of the kit's blocks: every template "NAME.map" in the kit folder, sorted.
std::vector<std::string> KitBlockNames();

// Compiles a level with the kit's templates and default settings; the map text.
std::string CompileWithKit(const document::Level& level);

// A level holding one record.
document::Level OneBlockLevel(const std::string& record);

// The exit status and the output (stdout and stderr together) of a shell command.
struct ShellRun {
  int status = -1;
  std::string output;
};
ShellRun Shell(const std::string& command);

// Text quoted for the shell.
std::string Quoted(const std::string& text);

// Parses map text and fails the current test on any parse error.
kit::ParsedMap ParseOrFail(const std::string& text);

}  // namespace cw::testing
