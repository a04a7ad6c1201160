#pragma once

#include <string>

#include "document/level.h"
#include "platform/io_result.h"
#include "settings/settings.h"

namespace cw::compiler {

// What a build from files reads before it writes anything.
struct BuildInputs {
  document::Level level;
  settings::Settings settings;
  std::string settingsWarning;  // the settings file exists but could not be used
};

// The level from levelPath and the settings from settingsPath, and whether the map may be
// written at mapPath; nothing is written. A failure: the level file could not be read (a missing
// one too), or the map would replace one of the build's own files (CheckMapTarget); the settings
// are read, and their warning kept, unless the level could not be.
platform::IoValue<BuildInputs> ReadBuildInputs(const std::string& levelPath, const std::string& mapPath,
                            const std::string& settingsPath);

}  // namespace cw::compiler
