#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw::fuzz {

// Stops the run with a message when an invariant does not hold; the fuzzer records the input.
void Require(bool condition, const char* what);

// The fuzzer's input as text.
inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits an input packed from several files: the parts are separated by lines of "%%" alone
// ("\n%%\n"). At most maxParts parts; the last part takes the rest. Missing parts are empty.
std::vector<std::string_view> SplitPackedInput(std::string_view input, std::size_t maxParts);

// Makes a private scratch folder (under /dev/shm when it exists) the current directory, once per
// process, so targets that go through files read and write only there.
void EnterScratchFolder();

void WriteFileOrDie(const std::string& path, std::string_view bytes);
std::string ReadFileOrDie(const std::string& path);
void RemoveFileIfPresent(const std::string& path);

// True when every CR is followed by an LF and every LF follows a CR: the program's line ends.
bool HasOnlyCrLfLineEnds(std::string_view text);

}  // namespace cw::fuzz
