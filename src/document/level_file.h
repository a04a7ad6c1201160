#pragma once

#include <string>
#include <string_view>

#include "document/level.h"
#include "platform/io_result.h"
#include "platform/line_sink.h"

namespace cw::document {

// The lines of a level file (formats/level_file.h): its block records, then its link records.
void WriteLevelFile(platform::LineSink& out, const Level& level);

// The records of a level file's bytes (formats::ReadLevelFileLines); the level keeps the new
// level's name.
Level ParseLevelFileText(std::string_view bytes);

// Whether bytes read as a level file look like one: an empty file does (an empty level), a file
// holding a NUL byte does not (no text file does), and neither does one of which no line is a
// block record or a ":" and a link record. A file that does not is still loaded as any other;
// the editor asks before it replaces the level with it.
bool LooksLikeLevelFile(std::string_view bytes);

// A level read from its file, and whether the file's bytes look like a level file
// (LooksLikeLevelFile).
struct LoadedLevel {
  Level level;
  bool looksLikeLevel = true;
};

// Reads a level file of at most platform::kLevelFileLimit bytes. kOk: the level's records are
// those of the file; kNotFound: no such file (the error says so), the level a new, empty one; in
// both the level is named after the file (DocumentNameFromPath). Any other status: the file
// exists but could not be read, and the level in memory must stay as it was.
platform::IoValue<LoadedLevel> LoadLevelFile(const std::string& path);

// Saves without ever destroying the previous file: the old file stays whole unless the new one
// was written completely.
platform::IoResult SaveLevelFile(const std::string& path, const Level& level);

// The level's name from a chosen path: the part after the last "/" or "\", cut before its last
// "." (a name without "." is kept whole).
std::string DocumentNameFromPath(std::string_view path);

}  // namespace cw::document
