#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cw::testing {

// A post-build batch that records what it was given: it writes its argument count, each
// argument and its working folder, one per line, to `record` (written to a side file first and
// then renamed, so the record appears complete).
std::string RecordingBatchScript(const std::filesystem::path& record);

// The lines of a file once it exists, waiting up to the timeout for it; nothing if it never
// appears.
std::optional<std::vector<std::string>> WaitForLines(
    const std::filesystem::path& path,
    std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace cw::testing
