#include "compiler/build.h"

#include "compiler/map_compiler.h"
#include "platform/replacing_file_writer.h"

namespace cw::compiler {

BuildOutcome RunBuild(const document::Level& level, const PlacementSettings& placement,
                      const std::string& mapPath, const BuildServices& services) {
  BuildOutcome outcome;
  platform::ReplacingFileWriter writer(mapPath);
  outcome.result = writer.Open();
  if (!outcome.result) return outcome;
  FileTemplateSource files;
  TemplateSource& templates = services.templates ? *services.templates : files;
  for (CompileWarning& warning :
       CompileMap(level, placement, templates, writer, services.trace)) {
    outcome.warnings.push_back(std::move(warning.text));
    outcome.warningRecords.push_back(warning.record);
  }
  outcome.result = writer.Commit();
  return outcome;
}

}  // namespace cw::compiler
