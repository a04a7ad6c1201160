#include "support/post_build_probe.h"

#include <fstream>
#include <thread>

namespace cw::testing {

std::string RecordingBatchScript(const std::filesystem::path& record) {
  const std::string target = record.string();
  // The record's own path is single-quoted for the shell; test folders hold no single quote.
  return "printf '%s\\n' \"$#\" \"$1\" \"$2\" \"$PWD\" > '" + target + ".tmp' && /bin/mv '" + target +
         ".tmp' '" + target + "'\n";
}

std::optional<std::vector<std::string>> WaitForLines(const std::filesystem::path& path,
                                                     std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace cw::testing
