#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "platform/io_result.h"
#include "platform/line_sink.h"

namespace cw::platform {

// Writes a file so that the old one is never lost: the bytes go to a temporary file in the same
// folder, and only a complete, flushed file replaces the target. The target's permission bits are
// kept; a new file gets 0666 less the umask. A target that exists but is not a regular file (a
// device such as /dev/null, a pipe) is written in place, since it cannot be replaced.
//
// Writes are buffered; the first failure is kept and returned by Commit(). Destroying a writer
// that was not committed removes its temporary file and leaves the target untouched.
class ReplacingFileWriter final : public LineSink {
 public:
  // Whether Commit() flushes the file to the disk before it replaces the target. Without it the
  // file survives a crash of the program, though perhaps not one of the machine.
  enum class Durability { kSynced, kUnsynced };

  explicit ReplacingFileWriter(std::string targetPath, Durability durability = Durability::kSynced);
  ~ReplacingFileWriter() override;
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  IoResult Open();
  void Write(std::string_view bytes) override;
  IoResult Commit();

  // Makes every write after the first `bytes` bytes fail with ENOSPC, as on a full disk.
  void FailAfterBytesForTesting(std::uint64_t bytes) { failAfter_ = bytes; }

 private:
  void FlushBuffer();
  void Discard();

  std::string target_;
  Durability durability_;
  std::string temporary_;
  int file_ = -1;
  bool inPlace_ = false;
  int errno_ = 0;
  std::string buffer_;
  std::uint64_t written_ = 0;
  std::uint64_t failAfter_ = std::numeric_limits<std::uint64_t>::max();
};

}  // namespace cw::platform
