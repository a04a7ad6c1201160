// The line splitter and the whole-file reader under hostile bytes and special files: every
// line comes back whole and clean, every read ends, and a failure says why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/file_reader.h"
#include "platform/text_lines.h"
#include "support/hostile_inputs.h"
#include "support/test_files.h"
#include "support/waiting_pipe.h"

namespace cw::platform {
namespace {

using cw::testing::HostileInput;
using cw::testing::kNullDevice;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

TEST(HostileTextLines, LinesAreCleanAndWholeWhateverTheBytes) {
  std::vector<HostileInput> inputs = cw::testing::HostileLevelFiles();
  for (HostileInput& input : cw::testing::HostileTemplates()) inputs.push_back(std::move(input));
  for (HostileInput& input : cw::testing::HostileSettingsFiles())
    inputs.push_back(std::move(input));
  for (const HostileInput& input : inputs) {
    const std::vector<std::string> lines = SplitTextLines(input.bytes);
    EXPECT_EQ(SplitTextLines(input.bytes), lines) << input.name;
    const std::string_view text = std::string_view(input.bytes).substr(0, input.bytes.find('\x1a'));
    std::size_t kept = 0;
    for (const std::string& line : lines) {
      EXPECT_EQ(line.find_first_of("\r\n\x1a"), std::string::npos) << input.name;
      kept += line.size();
    }
    // Nothing is lost but line ends, carriage returns and what follows a Ctrl-Z.
    const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const auto returns = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    EXPECT_EQ(kept, text.size() - ends - returns) << input.name;
    EXPECT_TRUE(lines.size() == ends || lines.size() == ends + 1) << input.name;
  }
}

TEST(HostileFiles, SpecialFilesAreReadToTheirEndOrRefusedWithAReason) {
  TempDir dir;
  const std::string big = dir.File("big");
  WriteFileBytes(big, cw::testing::BinaryGarbage(12'000'000, 5));
  const IoValue<std::string> whole = ReadWholeFile(big);
  EXPECT_EQ(whole.status, IoStatus::kOk);
  EXPECT_EQ(whole.value, cw::testing::BinaryGarbage(12'000'000, 5));

  // Devices are refused like pipes (/dev/zero was read until the memory ran out), and so is a
  // file over the limit, whether its size is known before or only while it is read.
  EXPECT_EQ(ReadWholeFile(kNullDevice).error, std::string(kNullDevice) + ": not a regular file");
  EXPECT_EQ(ReadWholeFile(big, 11 * kMebibyte).error, big + ": larger than 11 MiB, not read");
  EXPECT_EQ(ReadWholeFile(big, 12'000'000).status, IoStatus::kOk);
#ifndef _WIN32
  EXPECT_EQ(ReadWholeFile("/dev/zero").error, "/dev/zero: not a regular file");
  EXPECT_EQ(ReadWholeFile("/proc/self/status", 100).error,
            "/proc/self/status: larger than 100 bytes, not read");
#endif

  const IoValue<std::string> folder = ReadWholeFile(dir.path().string());
  EXPECT_EQ(folder.status, IoStatus::kFailed);
  EXPECT_EQ(folder.error, dir.path().string() + ": Is a directory");

  // A pipe is refused at once instead of waiting for a writer.
  const cw::testing::WaitingPipe waiting;
  const IoValue<std::string> pipe = ReadWholeFile(waiting.path());
  EXPECT_EQ(pipe.status, IoStatus::kNotRegular);
  EXPECT_EQ(pipe.error, waiting.path() + ": not a regular file");

  // A name cut at a NUL byte would be another file: it is none.
  WriteFileBytes(dir.File("a"), "not this one");
  const std::string nameWithNul = dir.File("a") + std::string(1, '\0') + "b";
  EXPECT_EQ(ReadWholeFile(nameWithNul).status, IoStatus::kNotFound);
  EXPECT_EQ(ReadWholeFile(dir.File(std::string(300, 'n'))).error,
            dir.File(std::string(300, 'n')) + ": File name too long");
}

TEST(HostileFiles, AFileOfUnknownSizeIsReadToItsEnd) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file system of files without a size, like /proc";
#else
  // A file whose size the file system does not know in advance.
  const IoValue<std::string> proc = ReadWholeFile("/proc/self/status");
  EXPECT_EQ(proc.status, IoStatus::kOk);
  EXPECT_NE(proc.value.find("Pid:"), std::string::npos);
#endif
}

}  // namespace
}  // namespace cw::platform
