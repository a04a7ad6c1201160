#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix_descriptor.h"
#include "platform/watched_process.h"

namespace cw::platform {

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

bool WatchedProcess::Stop() {
  return !ended_ && group_ > 0 && ::kill(-group_, SIGTERM) == 0;
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
