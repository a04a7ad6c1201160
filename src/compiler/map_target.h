#pragma once

#include <string>

#include "document/level.h"
#include "platform/io_result.h"

namespace cw::compiler {

// Whether a build may write its map at mapPath: never over one of the files it reads. Refused,
// with "MAP: the map must not replace ..." saying which, when mapPath is, or leads to (a symbolic
// link, another path to the same file), the level file at levelPath (none when empty), the
// settings file PellEd.ini of the working folder, a block picture (NAME.bmp) of the working
// folder, or a block template there: NAME.map beside the picture NAME.bmp, or for a block name of
// the level. Files not there yet count too: a map made there would be read as one of them.
[[nodiscard]] platform::IoResult CheckMapTarget(const std::string& mapPath,
                                                const std::string& levelPath,
                                                const document::Level& level);

}  // namespace cw::compiler
