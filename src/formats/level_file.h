#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_sink.h"

namespace cw::formats {

// The lines of a level file: a line per block record, then a line per link record, each link
// record after a ":". Whatever the records hold, the file keeps it as it is.
struct LevelFileLines {
  std::vector<std::string> blocks;
  std::vector<std::string> links;
};

// Writes the block records, then ":" and each link record; no records write no line at all.
void WriteLevelFileLines(platform::LineSink& out, const std::vector<std::string>& blocks,
                         const std::vector<std::string>& links);

// Reads the bytes of a level file: lines as every text reader takes them (LF ends a line, CRs
// dropped, Ctrl-Z ends the file); ":" lines are link records without the colon, every other
// line, empty ones included, is a block record.
LevelFileLines ReadLevelFileLines(std::string_view bytes);

}  // namespace cw::formats
