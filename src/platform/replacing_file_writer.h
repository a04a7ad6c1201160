#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/io_result.h"
#include "platform/line_sink.h"

namespace cw::platform {

// Writes a file so that the old one is never lost: the bytes go to a temporary file in the same
// folder, and only a complete, flushed file replaces the target. The target's permission bits are
// kept; a new file gets 0666 less the umask. A symbolic link is followed: the file it names is
// replaced and the link stays. A target that exists but is not a regular file (a device, a pipe)
// is refused at once, as is a read-only one.
//
// On Linux the temporary file has no name until Commit() (O_TMPFILE), so a program that is
// killed leaves nothing; it gets one just before it replaces the target. Elsewhere, or where the
// file system has no such files, it is named ".NAME.tmpNNNNNN" from the start; a program that
// calls RemoveTemporaryFileOnInterrupt() removes it when it is interrupted.
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

  // Makes Open() write a named temporary file, as where files without a name cannot be made.
  void UseNamedTemporaryForTesting() { namedOnly_ = true; }

 private:
  bool CreateNamedTemporary(int& error);
  bool NameTheTemporary(int& error);
  void FlushBuffer();
  void Discard();

  std::string target_;
  Durability durability_;
  std::string folder_;     // the target's folder with its separator, or "" for the current one
  std::string temporary_;  // the temporary file's name, once it has one
  bool noted_ = false;     // temporary_ is noted for removal on an interruption
  bool namedOnly_ = false;
  int file_ = -1;
  int errno_ = 0;
  std::string buffer_;
};

}  // namespace cw::platform
