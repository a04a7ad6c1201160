#include "support/fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace cw::fuzz {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

std::vector<std::string_view> SplitPackedInput(std::string_view input, std::size_t maxParts) {
  constexpr std::string_view kSeparator = "\n%%\n";
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < maxParts) {
    const std::size_t at = input.find(kSeparator);
    if (at == std::string_view::npos) break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + kSeparator.size());
  }
  parts.push_back(input);
  parts.resize(maxParts);
  return parts;
}

namespace {

struct ScratchFolder {
  std::string path;
  ScratchFolder() {
    struct stat info {};
    const bool shm = ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode);
    std::string pattern = std::string(shm ? "/dev/shm" : "/tmp") + "/cw-fuzz-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    path = pattern;
    Require(::chdir(path.c_str()) == 0, "chdir into the scratch folder");
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

void EnterScratchFolder() {
  static const ScratchFolder folder;
}

void WriteFileOrDie(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  Require(fd >= 0, "open a scratch file for writing");
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    Require(n > 0, "write a scratch file");
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  ::close(fd);
}

std::string ReadFileOrDie(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  Require(fd >= 0, "open a scratch file for reading");
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    Require(n >= 0, "read a scratch file");
    if (n == 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void RemoveFileIfPresent(const std::string& path) {
  ::unlink(path.c_str());
}

bool HasOnlyCrLfLineEnds(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace cw::fuzz
