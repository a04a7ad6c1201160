#include "platform/replacing_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

namespace cw::platform {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;
constexpr std::size_t kTemporaryStemLength = 200;

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// The path a write really goes to: a symbolic link is followed, so that the file it names is
// replaced and the link stays.
std::string ResolveLink(const std::string& path) {
  struct stat info{};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string result(resolved);
  std::free(resolved);
  return result;
}

}  // namespace

ReplacingFileWriter::ReplacingFileWriter(std::string targetPath)
    : target_(ResolveLink(targetPath)) {}

ReplacingFileWriter::~ReplacingFileWriter() { Discard(); }

IoResult ReplacingFileWriter::Open() {
  // The system would take the name only up to a NUL byte and write another file.
  if (target_.find('\0') != std::string::npos) {
    return IoResult::Failure(ErrnoMessage(target_, EINVAL));
  }
  struct stat info{};
  const bool exists = ::stat(target_.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) {
    // A device or a pipe cannot be replaced by renaming; it is written where it stands.
    inPlace_ = true;
    fd_ = OpenRetrying(target_.c_str(), O_WRONLY | O_TRUNC);
    if (fd_ < 0) return IoResult::Failure(ErrnoMessage(target_, errno));
    return IoResult::Success();
  }
  // A read-only file stays as it is, even for a user who could replace it by renaming.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    return IoResult::Failure(ErrnoMessage(target_, errno));
  }

  const std::size_t slash = target_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
  // The temporary's name is the target's with a few characters added; a target name near the
  // file system's limit (255 bytes) must still leave room for them, so only its start is used.
  const std::string stem = name.substr(0, kTemporaryStemLength);
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = folder + "." + stem + ".tmp" + std::to_string(entropy() % 1000000);
    // 0666 less the umask, as for any new file; an existing target's bits are copied at Commit().
    fd_ = OpenRetrying(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    // Name the file the user chose, not our temporary.
    return IoResult::Failure(ErrnoMessage(target_, error));
  }
  if (exists && ::fchmod(fd_, info.st_mode & 07777) != 0) errno_ = errno;
  buffer_.reserve(kBufferSize);
  return IoResult::Success();
}

void ReplacingFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0 || errno_ != 0) return;
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

void ReplacingFileWriter::WriteLine(std::string_view line) {
  Write(line);
  Write("\r\n");
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
    const ssize_t count = ::write(fd_, pending.data(), chunk);
    if (count < 0) {
      if (errno != EINTR) errno_ = errno;
      continue;
    }
    written_ += static_cast<std::uint64_t>(count);
    pending.remove_prefix(static_cast<std::size_t>(count));
  }
  buffer_.clear();
}

IoResult ReplacingFileWriter::Commit() {
  if (fd_ < 0) return IoResult::Failure(target_ + ": the file was not opened");
  FlushBuffer();
  if (errno_ == 0 && !inPlace_ && ::fsync(fd_) != 0) errno_ = errno;
  if (::close(fd_) != 0 && errno_ == 0) errno_ = errno;
  fd_ = -1;
  if (errno_ == 0 && !inPlace_ && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
    errno_ = errno;
  }
  if (errno_ != 0) {
    const int error = errno_;
    Discard();
    return IoResult::Failure(ErrnoMessage(target_, error));
  }
  temporary_.clear();
  return IoResult::Success();
}

void ReplacingFileWriter::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

}  // namespace cw::platform
