#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cw::testing {

// A named input that a reader of the program must survive. Large ones are made here rather than
// kept as files in the repository.
struct HostileInput {
  std::string name;
  std::string bytes;
  std::size_t lines = 0;  // the lines a text reader takes from a level file or a template
};

// Bytes of every value from a fixed seed, so every run sees the same garbage.
std::string BinaryGarbage(std::size_t size, std::uint32_t seed);

// Level files: garbage, NUL bytes, a 10 MB line, 100,000 records, extreme and overlong numbers,
// negative floors and cells, a 10,000-character block name, links that begin with "/".
std::vector<HostileInput> HostileLevelFiles();

// Block templates: garbage, a world entity that never closes, only "}" lines, nested "{" without
// end, key and face lines cut at every position, hostile scales and numbers, a 10 MB line.
std::vector<HostileInput> HostileTemplates();

// Settings files: garbage, NUL bytes, numbers of 40 digits, the 32-bit limits, sections and
// keys cut short.
std::vector<HostileInput> HostileSettingsFiles();

}  // namespace cw::testing
