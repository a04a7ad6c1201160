#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cw::testing {

// A post-build batch that records what it was given: it writes its argument count, each
// argument and its working folder, one per line, to `record` (written to a side file first and
// then renamed, so the record appears complete). A shell script on POSIX; on Windows a batch
// file, which records the first two arguments without their double quotes. There an argument
// with a "!" is not recorded faithfully, nor, under Wine, one with a "%": its cmd drops a lone
// "%" when it expands %1 and %2.
std::string RecordingBatchScript(const std::filesystem::path& record);

// A folder as the post-build batch receives it: on Windows its short (8.3) form where it has
// one, elsewhere the folder itself.
std::string FolderAsPassed(const std::filesystem::path& folder);

// The lines of a file once it exists, waiting up to the timeout for it; nothing if it never
// appears.
std::optional<std::vector<std::string>> WaitForLines(
    const std::filesystem::path& path,
    std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace cw::testing
