#pragma once

#include <string>
#include <vector>

#include "compiler/map_compiler.h"
#include "compiler/map_trace.h"
#include "compiler/placement.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "platform/io_result.h"

namespace cw::compiler {

// Where a build takes its block templates from, and where it notes which record wrote each line.
struct BuildServices {
  TemplateSource* templates = nullptr;  // none: the template files of the current directory
  MapTrace* trace = nullptr;            // none: the map's lines are not traced to records
};

// The one way a level is built, for the editor, the command line and the tests: the brush pass,
// the entity pass and the relay pass into the map file at mapPath, which replaces the target only
// once it is complete. The level is never modified. (BuildSession adds the check, the log and the
// post-build step around it.) A failure: the map could not be written. The value: the compiler's
// warnings (missing templates, records that do not parse), each with its record.
platform::IoValue<std::vector<CompileWarning>> RunBuild(const document::Level& level,
                                                        const PlacementSettings& placement,
                                                        const std::string& mapPath,
                                                        const BuildServices& services = {});

}  // namespace cw::compiler
