#include "platform/replacing_file_writer.h"

#include <cerrno>
#include <random>

#include "platform/interrupt_cleanup.h"
#include "platform/native_files.h"
#include "platform/number_format.h"
#include "platform/paths.h"

namespace cw::platform {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;
constexpr std::size_t kTemporaryStemLength = 200;

}  // namespace

ReplacingFileWriter::ReplacingFileWriter(std::string targetPath, Durability durability)
    : target_(native::FollowSymbolicLink(targetPath)), durability_(durability) {
  const std::size_t slash = target_.find_last_of(kPathSeparators);
  if (slash != std::string::npos) folder_ = target_.substr(0, slash + 1);
}

ReplacingFileWriter::~ReplacingFileWriter() {
  Discard();
}

IoResult ReplacingFileWriter::Open() {
  // The system would take the name only up to a NUL byte and write another file.
  if (target_.find('\0') != std::string::npos) {
    return IoResult::Failure(ErrnoMessage(target_, EINVAL));
  }
  const native::PathInfo existing = native::Inspect(target_);
  if (existing.exists && existing.kind == native::FileKind::kDirectory) {
    return IoResult::Failure(ErrnoMessage(target_, EISDIR));
  }
  // A device or a pipe cannot be replaced, and opening a pipe to write it waits for a reader.
  if (existing.exists && existing.kind != native::FileKind::kRegular) {
    return IoResult::Failure(PathMessage(target_, "not a regular file"), IoStatus::kNotRegular);
  }
  // A read-only file stays as it is, even for a user who could replace it by renaming.
  if (existing.exists) {
    if (const int denied = native::WriteAccessError(target_); denied != 0) {
      return IoResult::Failure(ErrnoMessage(target_, denied));
    }
  }
  int error = 0;
  if (!namedOnly_) file_ = native::CreateUnnamedIn(folder_, error);
  if (file_ == native::kNoFile && !CreateNamedTemporary(error)) {
    // Name the file the user chose, not our temporary.
    return IoResult::Failure(ErrnoMessage(target_, error));
  }
  // 0666 less the umask, as for any new file; an existing target's bits are copied.
  if (existing.exists && !native::SetPermissions(file_, existing.permissions, error)) {
    errno_ = error;
  }
  buffer_.reserve(kBufferSize);
  return IoResult::Success();
}

// The temporary file's name beside the target: the target's with a few characters added. A target
// name near the file system's limit (255 bytes) must still leave room for them, so only its start
// is used. A file without a name (file_ open) gets that name; otherwise a new file is made.
bool ReplacingFileWriter::CreateNamedTemporary(int& error) {
  const std::string stem = target_.substr(folder_.size()).substr(0, kTemporaryStemLength);
  const bool unnamed = file_ != native::kNoFile;
  const InterruptsHeld held;
  std::random_device entropy;
  bool made = false;
  for (int attempt = 0; attempt < 100 && !made; ++attempt) {
    temporary_ = folder_ + "." + stem + ".tmp" + DecimalText(entropy() % 1000000);
    if (unnamed) {
      made = native::LinkUnnamed(file_, temporary_, error);
    } else {
      file_ = native::CreateNew(temporary_, error);
      made = file_ != native::kNoFile;
    }
    if (!made && error != EEXIST) break;
  }
  if (!made) {
    temporary_.clear();
    return false;
  }
  // Only the first writer is noted; the program writes one file at a time.
  noted_ = NoteTemporaryFile(temporary_);
  return true;
}

void ReplacingFileWriter::Write(std::string_view bytes) {
  if (file_ == native::kNoFile || errno_ != 0) return;
  if (buffer_.size() + bytes.size() > kBufferSize) {
    FlushBuffer();
    if (bytes.size() > kBufferSize) {
      buffer_.assign(bytes);
      FlushBuffer();
      return;
    }
  }
  buffer_.append(bytes);
}

void ReplacingFileWriter::FlushBuffer() {
  std::string_view pending = buffer_;
  while (!pending.empty() && errno_ == 0) {
    int error = 0;
    const std::int64_t count = native::WriteSome(file_, pending.data(), pending.size(), error);
    if (count < 0) {
      errno_ = error;
      break;
    }
    pending.remove_prefix(static_cast<std::size_t>(count));
  }
  buffer_.clear();
}

IoResult ReplacingFileWriter::Commit() {
  if (file_ == native::kNoFile)
    return IoResult::Failure(PathMessage(target_, "the file was not opened"));
  FlushBuffer();
  int error = 0;
  if (errno_ == 0 && durability_ == Durability::kSynced && !native::Sync(file_, error)) {
    errno_ = error;
  }
  // A file without a name gets one now, only once it is complete; it is renamed at once.
  if (errno_ == 0 && temporary_.empty() && !CreateNamedTemporary(error)) errno_ = error;
  if (!native::Close(file_, error) && errno_ == 0) errno_ = error;
  file_ = native::kNoFile;
  if (errno_ == 0 && !native::ReplaceFile(temporary_, target_, error)) errno_ = error;
  if (errno_ != 0) {
    const int failure = errno_;
    Discard();
    return IoResult::Failure(ErrnoMessage(target_, failure));
  }
  temporary_.clear();
  if (noted_) ForgetTemporaryFile();
  noted_ = false;
  return IoResult::Success();
}

void ReplacingFileWriter::Discard() {
  if (file_ != native::kNoFile) {
    int ignored = 0;
    native::Close(file_, ignored);
    file_ = native::kNoFile;
  }
  if (!temporary_.empty()) {
    native::RemoveFile(temporary_);
    temporary_.clear();
  }
  if (noted_) ForgetTemporaryFile();
  noted_ = false;
}

}  // namespace cw::platform
