#include "compiler/build_inputs.h"

#include "compiler/map_target.h"
#include "document/level_file.h"

namespace cw::compiler {

platform::IoValue<BuildInputs> ReadBuildInputs(const std::string& levelPath,
                                               const std::string& mapPath,
                                               const std::string& settingsPath) {
  platform::IoValue<document::LoadedLevel> load = document::LoadLevelFile(levelPath);
  if (!load) return {std::move(load), {}};
  settings::SettingsFile settingsFile = settings::LoadSettingsFile(settingsPath);
  BuildInputs inputs{std::move(load.value.level), std::move(settingsFile.settings),
                     std::move(settingsFile.warning)};
  platform::IoResult target = CheckMapTarget(mapPath, levelPath, inputs.level);
  return {std::move(target), std::move(inputs)};
}

}  // namespace cw::compiler
