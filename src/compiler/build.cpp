#include "compiler/build.h"

#include <cerrno>

#include "compiler/map_compiler.h"
#include "document/level_file.h"
#include "platform/replacing_file_writer.h"
#include "settings/settings.h"

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
       CompileMapWithWarnings(level, placement, templates, writer, services.trace)) {
    outcome.warnings.push_back(std::move(warning.text));
    outcome.warningRecords.push_back(warning.record);
  }
  outcome.result = writer.Commit();
  // A map that could not be written is never handed on: the batch would find an old or no file.
  if (outcome.result && services.startPostBuild) {
    outcome.postBuildStarted = services.startPostBuild(mapPath);
  }
  return outcome;
}

BuildOutcome BuildLevelFile(const std::string& levelPath, const std::string& mapPath,
                            const std::string& settingsPath, const BuildServices& services) {
  const document::LoadResult load = document::LoadLevelFile(levelPath);
  if (load.status != document::LoadStatus::kLoaded) {
    BuildOutcome failed;
    failed.result = platform::IoResult::Failure(load.status == document::LoadStatus::kNotFound
                                                    ? platform::ErrnoMessage(levelPath, ENOENT)
                                                    : load.error);
    return failed;
  }
  const settings::Settings settings = settings::ReadSettingsFile(settingsPath);
  return RunBuild(load.level, settings.block, mapPath, services);
}

}  // namespace cw::compiler
