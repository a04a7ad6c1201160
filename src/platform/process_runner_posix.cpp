#include "platform/posix_descriptor.h"
#include "platform/process_runner.h"

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

// After fork only async-signal-safe calls: the editor has threads of the toolkit running.

bool WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Writes an errno value to the report pipe and ends the child.
[[noreturn]] void ReportAndExit(int report, int errorNumber) {
  (void)WriteAll(report, reinterpret_cast<const char*>(&errorNumber), sizeof errorNumber);
  ::_exit(127);
}

// Closes every descriptor from 3 on but those given. A child that is not a new program would
// otherwise keep the editor's descriptors open, the reading ends of earlier batches among them,
// and those batches would never see their reader go.
void CloseAllBut(int a, int b, int c) {
  long last = ::sysconf(_SC_OPEN_MAX);
  if (last < 0 || last > 65536) last = 65536;
  for (int fd = 3; fd < last; ++fd) {
    if (fd != a && fd != b && fd != c) ::close(fd);
  }
}

// The program itself, with the signals as a new program expects them.
[[noreturn]] void Exec(char* const* argv, int report) {
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  ::execv(argv[0], argv);
  ReportAndExit(report, errno);
}

// Starts `grandchild` in a session of its own, as a grandchild that this process never has to
// reap: the child between them only starts it and ends at once, so the grandchild is adopted by
// init and never becomes our zombie. The grandchild reports an errno through `report` when it
// cannot start its program; the report pipe closing without a word means it did. True then.
template <typename Grandchild>
bool StartInNewSession(int report[2], Grandchild grandchild) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t started = ::fork();
    if (started < 0) ReportAndExit(report[1], errno);
    if (started == 0) grandchild(report[1]);
    ::_exit(0);
  }
  ::close(report[1]);
  if (child < 0) {
    ::close(report[0]);
    return false;
  }
  int childStatus = 0;
  while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
  }
  int startError = 0;
  ssize_t got = 0;
  do {
    got = ::read(report[0], &startError, sizeof startError);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  return got == 0;
}

// The relay of a watched program: copies the program's output to the editor's pipe until the
// program's side closes; once the editor's side is gone it goes on reading and drops the bytes,
// so the program runs on and is never ended by SIGPIPE. Then it sends the program's exit status.
[[noreturn]] void Relay(char* const* argv, int output, int status, int report) {
  int inner[2];
  if (::pipe2(inner, O_CLOEXEC) != 0) ReportAndExit(report, errno);
  const pid_t program = ::fork();
  if (program < 0) ReportAndExit(report, errno);
  if (program == 0) {
    // A process group of its own, which the tools it starts join: Stop ends them all.
    ::setpgid(0, 0);
    // Output and errors into the relay's pipe, input from the null device.
    const int input = ::open("/dev/null", O_RDONLY);
    if (input < 0 || ::dup2(input, 0) < 0 || ::dup2(inner[1], 1) < 0 || ::dup2(inner[1], 2) < 0) {
      ReportAndExit(report, errno);
    }
    Exec(argv, report);
  }
  // The group is made on both sides, so that it stands whichever runs first; the watcher learns
  // it before the report pipe closes.
  ::setpgid(program, program);
  const int group = static_cast<int>(program);
  (void)WriteAll(status, reinterpret_cast<const char*>(&group), sizeof group);
  ::close(inner[1]);
  ::close(report);
  ::signal(SIGPIPE, SIG_IGN);
  bool readerGone = false;
  char buffer[4096];
  while (true) {
    const ssize_t got = ::read(inner[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    if (!readerGone) readerGone = !WriteAll(output, buffer, static_cast<std::size_t>(got));
  }
  int programStatus = 0;
  pid_t waited = 0;
  do {
    waited = ::waitpid(program, &programStatus, 0);
  } while (waited < 0 && errno == EINTR);
  int record[2] = {static_cast<int>(ProcessExit::Kind::kUnknown), 0};
  if (waited == program && WIFEXITED(programStatus)) {
    record[0] = static_cast<int>(ProcessExit::Kind::kExited);
    record[1] = WEXITSTATUS(programStatus);
  } else if (waited == program && WIFSIGNALED(programStatus)) {
    record[0] = static_cast<int>(ProcessExit::Kind::kSignalled);
    record[1] = WTERMSIG(programStatus);
  }
  (void)WriteAll(status, reinterpret_cast<const char*>(record), sizeof record);
  ::_exit(0);
}

std::vector<char*> ArgumentVector(const std::vector<std::string>& argv) {
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  return arguments;
}

class PosixProcessRunner final : public ProcessRunner {
 public:
  bool StartDetached(const std::vector<std::string>& argv) override {
    if (argv.empty()) return false;
    std::vector<char*> arguments = ArgumentVector(argv);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    return StartInNewSession(report, [&](int reportEnd) { Exec(arguments.data(), reportEnd); });
  }

  std::unique_ptr<WatchedProcess> StartWatched(const std::vector<std::string>& argv) override {
    if (argv.empty()) return nullptr;
    std::vector<char*> arguments = ArgumentVector(argv);
    // output: the program's output; status: its exit record; report: an errno when it could not
    // be started.
    int output[2], status[2], report[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return nullptr;
    if (::pipe2(status, O_CLOEXEC) != 0) {
      CloseQuietly(output[0]);
      CloseQuietly(output[1]);
      return nullptr;
    }
    if (::pipe2(report, O_CLOEXEC) != 0) {
      for (int fd : {output[0], output[1], status[0], status[1]}) CloseQuietly(fd);
      return nullptr;
    }
    const bool started = StartInNewSession(report, [&](int reportEnd) {
      CloseAllBut(output[1], status[1], reportEnd);
      Relay(arguments.data(), output[1], status[1], reportEnd);
    });
    ::close(output[1]);
    ::close(status[1]);
    if (!started) {
      CloseQuietly(output[0]);
      CloseQuietly(status[0]);
      return nullptr;
    }
    // The relay sent the program's group before the report pipe closed.
    int group = -1;
    if (::read(status[0], &group, sizeof group) != static_cast<ssize_t>(sizeof group)) group = -1;
    ::fcntl(output[0], F_SETFL, ::fcntl(output[0], F_GETFL) | O_NONBLOCK);
    return std::make_unique<WatchedProcess>(output[0], status[0], group);
  }

  bool WatchesOutput() const override { return true; }
};

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

}  // namespace

ProcessRunner& SystemProcessRunner() {
  static PosixProcessRunner runner;  // holds no state
  return runner;
}

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

}  // namespace cw::platform
