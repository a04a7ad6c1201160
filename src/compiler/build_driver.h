#pragma once

#include <string>
#include <vector>

#include "compiler/placement_settings.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "platform/io_result.h"

namespace cw::compiler {

struct BuildOutcome {
  platform::IoResult result;          // failure: the map file could not be written
  std::vector<std::string> warnings;  // missing templates, records that do not parse
  bool postBuildStarted = false;      // set by Build only
};

// Compiles the level into the map file at mapPath: the brush pass, the entity pass and the relay
// pass, in that order. Block templates are read from the current directory. The map replaces the
// target only once it is complete; the level is never modified.
[[nodiscard]] BuildOutcome BuildMapFile(const document::Level& level,
                                        const PlacementSettings& settings,
                                        const std::string& mapPath);

// The same with the block templates taken from the given source.
[[nodiscard]] BuildOutcome BuildMapFile(const document::Level& level,
                                        const PlacementSettings& settings,
                                        const std::string& mapPath, TemplateSource& templates);

// What the Build command does: BuildMapFile, then, only if the map was written, RunPostBuild.
[[nodiscard]] BuildOutcome Build(const document::Level& level, const PlacementSettings& settings,
                                 const std::string& mapPath);

}  // namespace cw::compiler
