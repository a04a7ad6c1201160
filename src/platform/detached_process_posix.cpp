#include "platform/detached_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace cw::platform {
namespace {

bool IsReadableRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

std::string CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string() : current.string();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Writes an errno value to the status pipe; only async-signal-safe calls after fork.
void ReportAndExit(int fd, int errorNumber) {
  ssize_t ignored = ::write(fd, &errorNumber, sizeof errorNumber);
  (void)ignored;
  ::_exit(127);
}

}  // namespace

std::optional<std::string> FindInCurrentDirectoryOrPath(const std::string& fileName) {
  if (fileName.empty() || fileName.find('/') != std::string::npos) return std::nullopt;
  const std::string current = CurrentDirectory();
  const std::string inCurrent = JoinPath(current, fileName);
  if (IsReadableRegularFile(inCurrent)) return inCurrent;
  const char* pathVariable = std::getenv("PATH");
  if (pathVariable == nullptr) return std::nullopt;
  std::string_view folders = pathVariable;
  while (true) {
    const std::size_t colon = folders.find(':');
    const std::string folder(folders.substr(0, colon));
    const std::string candidate = JoinPath(folder.empty() ? current : folder, fileName);
    if (IsReadableRegularFile(candidate)) return candidate;
    if (colon == std::string_view::npos) break;
    folders.remove_prefix(colon + 1);
  }
  return std::nullopt;
}

bool StartDetachedProcess(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);

  // The status pipe closes on a successful exec; an errno arrives through it otherwise.
  int status[2];
  if (::pipe2(status, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(status[0]);
    ::close(status[1]);
    return false;
  }
  if (child == 0) {
    // The intermediate child: a new session, one more fork, and it exits at once so that the
    // program is adopted by init and never becomes our zombie.
    ::close(status[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) ReportAndExit(status[1], errno);
    if (grandchild == 0) {
      sigset_t none;
      sigemptyset(&none);
      ::sigprocmask(SIG_SETMASK, &none, nullptr);
      ::signal(SIGPIPE, SIG_DFL);
      ::execv(arguments[0], arguments.data());
      ReportAndExit(status[1], errno);
    }
    ::_exit(0);
  }
  ::close(status[1]);
  int childStatus = 0;
  while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
  }
  int childError = 0;
  ssize_t got = 0;
  do {
    got = ::read(status[0], &childError, sizeof childError);
  } while (got < 0 && errno == EINTR);
  ::close(status[0]);
  return got == 0;
}

}  // namespace cw::platform
