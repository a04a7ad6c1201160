#include "platform/replacing_file_writer.h"

#include <cerrno>
#include <random>

#include "platform/native_files.h"
#include "platform/number_format.h"
#include "platform/paths.h"

namespace cw::platform {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;
constexpr std::size_t kTemporaryStemLength = 200;

}  // namespace

// A symbolic link is followed, so that the file it names is replaced and the link stays.
ReplacingFileWriter::ReplacingFileWriter(std::string targetPath, Durability durability)
    : target_(native::FollowSymbolicLink(targetPath)), durability_(durability) {}

ReplacingFileWriter::~ReplacingFileWriter() {
  Discard();
}

IoResult ReplacingFileWriter::Open() {
  // The system would take the name only up to a NUL byte and write another file.
  if (target_.find('\0') != std::string::npos) {
    return IoResult::Failure(ErrnoMessage(target_, EINVAL));
  }
  int error = 0;
  const native::PathInfo existing = native::Inspect(target_);
  if (existing.exists && existing.kind != native::FileKind::kRegular) {
    // A device or a pipe cannot be replaced by renaming; it is written where it stands.
    inPlace_ = true;
    file_ = native::OpenToOverwrite(target_, error);
    if (file_ == native::kNoFile) return IoResult::Failure(ErrnoMessage(target_, error));
    return IoResult::Success();
  }
  // A read-only file stays as it is, even for a user who could replace it by renaming.
  if (existing.exists) {
    if (const int denied = native::WriteAccessError(target_); denied != 0) {
      return IoResult::Failure(ErrnoMessage(target_, denied));
    }
  }

  const std::size_t slash = target_.find_last_of(kPathSeparators);
  const std::string folder =
      slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
  // The temporary's name is the target's with a few characters added; a target name near the
  // file system's limit (255 bytes) must still leave room for them, so only its start is used.
  const std::string stem = name.substr(0, kTemporaryStemLength);
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = folder + "." + stem + ".tmp" + DecimalText(entropy() % 1000000);
    // 0666 less the umask, as for any new file; an existing target's bits are copied below.
    file_ = native::CreateNew(temporary_, error);
    if (file_ != native::kNoFile || error != EEXIST) break;
  }
  if (file_ == native::kNoFile) {
    temporary_.clear();
    // Name the file the user chose, not our temporary.
    return IoResult::Failure(ErrnoMessage(target_, error));
  }
  if (existing.exists && !native::SetPermissions(file_, existing.permissions, error)) {
    errno_ = error;
  }
  buffer_.reserve(kBufferSize);
  return IoResult::Success();
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
    std::size_t chunk = pending.size();
    if (written_ + chunk > failAfter_) {
      chunk = static_cast<std::size_t>(failAfter_ - written_);
      if (chunk == 0) {
        errno_ = ENOSPC;
        break;
      }
    }
    int error = 0;
    const std::int64_t count = native::WriteSome(file_, pending.data(), chunk, error);
    if (count < 0) {
      errno_ = error;
      break;
    }
    written_ += static_cast<std::uint64_t>(count);
    pending.remove_prefix(static_cast<std::size_t>(count));
  }
  buffer_.clear();
}

IoResult ReplacingFileWriter::Commit() {
  if (file_ == native::kNoFile) return IoResult::Failure(target_ + ": the file was not opened");
  FlushBuffer();
  int error = 0;
  if (errno_ == 0 && !inPlace_ && durability_ == Durability::kSynced &&
      !native::Sync(file_, error)) {
    errno_ = error;
  }
  if (!native::Close(file_, error) && errno_ == 0) errno_ = error;
  file_ = native::kNoFile;
  if (errno_ == 0 && !inPlace_ && !native::ReplaceFile(temporary_, target_, error)) {
    errno_ = error;
  }
  if (errno_ != 0) {
    const int failure = errno_;
    Discard();
    return IoResult::Failure(ErrnoMessage(target_, failure));
  }
  temporary_.clear();
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
}

}  // namespace cw::platform
