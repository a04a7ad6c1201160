#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/level.h"
#include "platform/io_result.h"

namespace cw::document {

// The records of a level file, in file order.
struct LevelRecords {
  std::vector<std::string> BlockList;
  std::vector<std::string> LinkList;
};

// The bytes of a level file: each block record, then ":" and each link record, CR LF after
// every line. An empty level gives no bytes at all.
std::string LevelFileText(const Level& level);

// Reads the bytes of a level file: lines as every text reader takes them (LF ends a line, CRs
// dropped, Ctrl-Z ends the file), ":" lines are link records without the colon, every other line,
// empty ones included, is a block record.
LevelRecords ParseLevelFileText(std::string_view bytes);

enum class LoadStatus {
  kLoaded,    // the records are those of the file
  kNotFound,  // no such file: a new, empty level under that name
  kFailed,    // the file exists but could not be read; the level in memory must stay as it was
};

struct LoadResult {
  LoadStatus status = LoadStatus::kLoaded;
  LevelRecords records;
  std::string error;  // "path: reason" for kFailed
};

LoadResult LoadLevelFile(const std::string& path);

// Saves without ever destroying the previous file: the old file stays whole unless the new one
// was written completely.
platform::IoResult SaveLevelFile(const std::string& path, const Level& level);

// The level's name from a chosen path: the part after the last "/" or "\", cut before its last
// "." (a name without "." is kept whole).
std::string DocumentNameFromPath(std::string_view path);

}  // namespace cw::document
