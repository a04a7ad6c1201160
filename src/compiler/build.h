#pragma once

#include <functional>
#include <string>
#include <vector>

#include "compiler/map_trace.h"
#include "compiler/placement.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "platform/io_result.h"

namespace cw::compiler {

// Starts the post-build step for a finished map file; whether a process was started.
using PostBuildStarter = std::function<bool(const std::string& mapPath)>;

// Where a build takes its block templates from, and how it starts the post-build step.
struct BuildServices {
  TemplateSource* templates = nullptr;  // none: the template files of the current directory
  PostBuildStarter startPostBuild;      // none: no post-build step
  MapTrace* trace = nullptr;            // none: the map's lines are not traced to records
};

struct BuildOutcome {
  platform::IoResult result;          // failure: the level could not be read or the map written
  std::vector<std::string> warnings;  // missing templates, records that do not parse
  std::vector<MapLineOrigin> warningRecords;  // the record of each warning, in the same order
  bool postBuildStarted = false;
};

// The one way a level is built, for the editor, the command line and the tests: the brush pass,
// the entity pass and the relay pass into the map file at mapPath, which replaces the target only
// once it is complete; then, only if the map was written, the post-build step. The level is never
// modified.
[[nodiscard]] BuildOutcome RunBuild(const document::Level& level,
                                    const PlacementSettings& placement, const std::string& mapPath,
                                    const BuildServices& services = {});

// RunBuild for a level file: the level is loaded from levelPath (a missing file is a failure, not
// a new level) and the placement settings are read from the settings file at settingsPath.
[[nodiscard]] BuildOutcome BuildLevelFile(const std::string& levelPath, const std::string& mapPath,
                                          const std::string& settingsPath,
                                          const BuildServices& services = {});

}  // namespace cw::compiler
