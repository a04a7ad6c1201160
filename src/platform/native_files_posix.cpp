#include "platform/native_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace cw::platform::native {
namespace {

FileHandle OpenRetrying(const char* path, int flags, mode_t mode, int& error) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) error = errno;
  return fd;
}

FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::kRegular;
  if (S_ISDIR(mode)) return FileKind::kDirectory;
  if (S_ISFIFO(mode) || S_ISSOCK(mode)) return FileKind::kStream;
  return FileKind::kOther;
}

}  // namespace

FileHandle OpenToRead(const std::string& path, int& error) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come; a terminal
  // named as a file must not become the program's controlling terminal before it is refused.
  return OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY, 0, error);
}

FileHandle OpenToOverwrite(const std::string& path, int& error) {
  return OpenRetrying(path.c_str(), O_WRONLY | O_TRUNC, 0, error);
}

FileHandle CreateNew(const std::string& path, int& error) {
  return OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666, error);
}

// The link by which /proc shows an open file; it reaches the file even when it has no name.
std::string OpenFileLink(FileHandle file) {
  return "/proc/self/fd/" + std::to_string(file);
}

FileHandle CreateUnnamedIn(const std::string& folder, int& error) {
#ifdef O_TMPFILE
  const FileHandle file =
      OpenRetrying(folder.empty() ? "." : folder.c_str(), O_WRONLY | O_TMPFILE, 0666, error);
  if (file == kNoFile) return kNoFile;
  // Without /proc the file could never be named.
  if (::access(OpenFileLink(file).c_str(), F_OK) != 0) {
    error = errno;
    ::close(file);
    return kNoFile;
  }
  return file;
#else
  (void)folder;
  error = EOPNOTSUPP;
  return kNoFile;
#endif
}

bool LinkUnnamed(FileHandle file, const std::string& path, int& error) {
  if (::linkat(AT_FDCWD, OpenFileLink(file).c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) ==
      0) {
    return true;
  }
  error = errno;
  return false;
}

FileKind KindOf(FileHandle file) {
  struct stat info {};
  if (::fstat(file, &info) != 0) return FileKind::kOther;
  return KindOfMode(info.st_mode);
}

std::optional<std::uint64_t> SizeOf(FileHandle file) {
  struct stat info {};
  if (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

std::int64_t ReadSome(FileHandle file, char* buffer, std::size_t size, int& error) {
  for (;;) {
    const ssize_t count = ::read(file, buffer, size);
    if (count >= 0) return count;
    if (errno != EINTR) {
      error = errno;
      return -1;
    }
  }
}

std::int64_t WriteSome(FileHandle file, const char* bytes, std::size_t size, int& error) {
  for (;;) {
    const ssize_t count = ::write(file, bytes, size);
    if (count >= 0) return count;
    if (errno != EINTR) {
      error = errno;
      return -1;
    }
  }
}

bool Sync(FileHandle file, int& error) {
  if (::fsync(file) == 0) return true;
  error = errno;
  return false;
}

bool SetPermissions(FileHandle file, std::uint32_t permissions, int& error) {
  if (::fchmod(file, static_cast<mode_t>(permissions & 07777)) == 0) return true;
  error = errno;
  return false;
}

bool Close(FileHandle file, int& error) {
  if (::close(file) == 0) return true;
  error = errno;
  return false;
}

PathInfo Inspect(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {true, KindOfMode(info.st_mode), static_cast<std::uint32_t>(info.st_mode & 07777)};
}

int WriteAccessError(const std::string& path) {
  return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                      static_cast<std::uint64_t>(info.st_ino)};
}

std::string FollowSymbolicLink(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string result(resolved);
  std::free(resolved);
  return result;
}

bool ReplaceFile(const std::string& from, const std::string& to, int& error) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  error = errno;
  return false;
}

void RemoveFile(const std::string& path) {
  ::unlink(path.c_str());
}

std::string ErrorText(int error) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
  // The untranslated text, so that messages do not depend on the user's locale settings.
  const char* reason = strerrordesc_np(error);
#else
  const char* reason = std::strerror(error);
#endif
  return reason ? reason : "Unknown error";
}

}  // namespace cw::platform::native
