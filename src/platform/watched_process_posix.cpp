#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/watched_process.h"

namespace cw::platform {
namespace {

// Only async-signal-safe calls after fork: the editor has threads of the toolkit running.

void CloseQuietly(int fd) {
  if (fd >= 0) ::close(fd);
}

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

// Closes every descriptor from 3 on but the three given. The relay is not a new program, so it
// would otherwise keep the editor's descriptors open, the reading ends of earlier batches among
// them, and those batches would never see their reader go.
void CloseAllBut(int a, int b, int c) {
  long last = ::sysconf(_SC_OPEN_MAX);
  if (last < 0 || last > 65536) last = 65536;
  for (int fd = 3; fd < last; ++fd) {
    if (fd != a && fd != b && fd != c) ::close(fd);
  }
}

[[noreturn]] void ReportAndExit(int fd, int errorNumber) {
  (void)WriteAll(fd, reinterpret_cast<const char*>(&errorNumber), sizeof errorNumber);
  ::_exit(127);
}

// The program itself: its output and errors into the relay's pipe, input from the null device.
[[noreturn]] void RunProgram(char* const* argv, int outputEnd, int report) {
  const int input = ::open("/dev/null", O_RDONLY);
  if (input < 0 || ::dup2(input, 0) < 0 || ::dup2(outputEnd, 1) < 0 || ::dup2(outputEnd, 2) < 0) {
    ReportAndExit(report, errno);
  }
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  ::execv(argv[0], argv);
  ReportAndExit(report, errno);
}

// The relay: copies the program's output to the editor's pipe until the program's side closes;
// once the editor's side is gone it goes on reading and drops the bytes. Then it sends the
// program's exit status and ends.
[[noreturn]] void Relay(char* const* argv, int output, int status, int report) {
  int inner[2];
  if (::pipe2(inner, O_CLOEXEC) != 0) ReportAndExit(report, errno);
  const pid_t program = ::fork();
  if (program < 0) ReportAndExit(report, errno);
  if (program == 0) RunProgram(argv, inner[1], report);
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

}  // namespace

std::unique_ptr<WatchedProcess> WatchedProcess::Start(const std::vector<std::string>& argv) {
  if (argv.empty()) return nullptr;
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);

  // output: the program's output; status: its exit record; report: an errno when it could not
  // be started, closed without a word when it was.
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
  const pid_t child = ::fork();
  if (child == 0) {
    // The first child only starts the relay in a new session and ends, so that the relay and
    // the program are adopted by init.
    CloseAllBut(output[1], status[1], report[1]);
    ::setsid();
    const pid_t relay = ::fork();
    if (relay < 0) ReportAndExit(report[1], errno);
    if (relay == 0) Relay(arguments.data(), output[1], status[1], report[1]);
    ::_exit(0);
  }
  ::close(output[1]);
  ::close(status[1]);
  ::close(report[1]);
  if (child < 0) {
    for (int fd : {output[0], status[0], report[0]}) CloseQuietly(fd);
    return nullptr;
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
  if (got != 0) {
    CloseQuietly(output[0]);
    CloseQuietly(status[0]);
    return nullptr;
  }
  ::fcntl(output[0], F_SETFL, ::fcntl(output[0], F_GETFL) | O_NONBLOCK);
  return std::unique_ptr<WatchedProcess>(new WatchedProcess(output[0], status[0]));
}

WatchedProcess::~WatchedProcess() {
  // The relay notices and drops the rest of the output; the program runs on.
  CloseQuietly(output_);
  CloseQuietly(status_);
}

WatchedProcess::Output WatchedProcess::ReadAvailable() {
  Output result;
  char buffer[4096];
  while (!ended_) {
    const ssize_t got = ::read(output_, buffer, sizeof buffer);
    if (got > 0) {
      result.bytes.append(buffer, static_cast<std::size_t>(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    ended_ = true;  // the end of the output, or a pipe that cannot be read any more
  }
  result.ended = ended_;
  return result;
}

ProcessExit WatchedProcess::Exit() {
  // The relay sends the status before it lets go of the output, so it is there by now.
  int record[2] = {0, 0};
  std::size_t have = 0;
  while (have < sizeof record) {
    const ssize_t got =
        ::read(status_, reinterpret_cast<char*>(record) + have, sizeof record - have);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return {};
    have += static_cast<std::size_t>(got);
  }
  switch (static_cast<ProcessExit::Kind>(record[0])) {
    case ProcessExit::Kind::kExited:
      return {ProcessExit::Kind::kExited, record[1]};
    case ProcessExit::Kind::kSignalled:
      return {ProcessExit::Kind::kSignalled, record[1]};
    default:
      return {};
  }
}

ProcessExit WatchedProcess::WaitPassingOutput(const std::function<void(std::string_view)>& sink) {
  while (true) {
    const Output output = ReadAvailable();
    if (!output.bytes.empty()) sink(output.bytes);
    if (output.ended) break;
    pollfd watch{output_, POLLIN, 0};
    while (::poll(&watch, 1, -1) < 0 && errno == EINTR) {
    }
  }
  return Exit();
}

}  // namespace cw::platform
