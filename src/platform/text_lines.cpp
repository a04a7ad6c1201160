#include "platform/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/io_result.h"

namespace cw::platform {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
  const std::size_t end = bytes.find('\x1a');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != '\r') {
      line.push_back(c);
    }
  }
  // Text after the last line feed is a line of its own; carriage returns count as absent, so
  // a file that ends in "\n\r" has no such line.
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

ReadResult ReadWholeFile(const std::string& path) {
  ReadResult result;
  const auto fail = [&](int error) {
    result.status = error == ENOENT ? ReadStatus::kNotFound : ReadStatus::kFailed;
    result.error = ErrnoMessage(path, error);
    result.bytes.clear();
    return result;
  };
  // The system would read the name only up to a NUL byte, which names another file.
  if (path.find('\0') != std::string::npos) return fail(ENOENT);
  int fd;
  do {
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return fail(errno);

  struct stat info{};
  if (::fstat(fd, &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      ::close(fd);
      return fail(EISDIR);
    }
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) {
      ::close(fd);
      result.status = ReadStatus::kFailed;
      result.error = path + ": not a regular file";
      return result;
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
      result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
  }
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count > 0) {
      result.bytes.append(chunk, static_cast<std::size_t>(count));
    } else if (count == 0) {
      break;
    } else if (errno != EINTR) {
      const int error = errno;
      ::close(fd);
      return fail(error);
    }
  }
  ::close(fd);
  return result;
}

}  // namespace cw::platform
