#pragma once

#include <string>
#include <vector>

#include "document/level.h"
#include "formats/map_text.h"
#include "settings/placement_settings.h"

namespace cw::testing {

// The bundled kits: kit/ for Quake (the one the editor starts in), kit-quake2/ and kit-heretic2/.
enum class Kit { kQuake, kQuake2, kHeretic2 };
const char* KitFolder(Kit kit);

// The path of a file of a kit, and its bytes.
std::string KitPath(const std::string& name, Kit kit = Kit::kQuake);
std::string ReadKitFile(const std::string& name, Kit kit = Kit::kQuake);

// The names of a kit's blocks: every template "NAME.map" in the kit folder, sorted.
std::vector<std::string> KitBlockNames(Kit kit = Kit::kQuake);

// The settings of a kit's PellEd.ini, as Build reads them.
settings::PlacementSettings KitSettings(Kit kit = Kit::kQuake);

// Compiles a level with a kit's templates and its settings; the map text.
std::string CompileWithKit(const document::Level& level, Kit kit = Kit::kQuake);

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
formats::ParsedMap ParseOrFail(const std::string& text);

}  // namespace cw::testing
