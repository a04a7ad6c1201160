#pragma once

#include <string>

#include "document/level_file.h"
#include "platform/line_sink.h"

namespace cw::testing {

// The bytes that Save writes for a level.
inline std::string LevelBytes(const document::Level& level) {
  platform::TextLineSink out;
  document::WriteLevelFile(out, level);
  return out.text();
}

}  // namespace cw::testing
