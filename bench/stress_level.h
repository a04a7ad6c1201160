#pragma once

// The stress level of the benchmarks: every cell of 16 floors of 32 x 32 (16,384 blocks) over 16
// block templates of 10 brushes and 3 entities each, with 2,000 links.

#include <filesystem>
#include <string>

#include "document/level.h"

namespace cw::bench {

std::string StressTemplateName(int index);
std::string StressTemplate(int index);
document::Level StressLevel();

// Writes stress.pwl, the templates and PellEd.ini to the folder.
void WriteStressFolder(const std::filesystem::path& folder);

// The stress folder, made once per run, and the current directory set to it.
struct StressFolder {
  StressFolder();
  ~StressFolder();
  std::filesystem::path path;
  document::Level level;
};

StressFolder& Folder();

}  // namespace cw::bench
