#include "compiler/build_inputs.h"

#include <cerrno>

#include "compiler/map_target.h"
#include "document/level_file.h"

namespace cw::compiler {

BuildInputs ReadBuildInputs(const std::string& levelPath, const std::string& mapPath,
                            const std::string& settingsPath) {
  BuildInputs inputs;
  document::LoadResult load = document::LoadLevelFile(levelPath);
  if (load.status != document::LoadStatus::kLoaded) {
    inputs.result = platform::IoResult::Failure(load.status == document::LoadStatus::kNotFound
                                                    ? platform::ErrnoMessage(levelPath, ENOENT)
                                                    : load.error);
    return inputs;
  }
  inputs.level = std::move(load.level);
  settings::SettingsFile settingsFile = settings::LoadSettingsFile(settingsPath);
  inputs.settings = std::move(settingsFile.settings);
  inputs.settingsWarning = std::move(settingsFile.warning);
  inputs.result = CheckMapTarget(mapPath, levelPath, inputs.level);
  return inputs;
}

}  // namespace cw::compiler
