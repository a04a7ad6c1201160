#include "platform/watched_process.h"

// Watching a program's output is not available on Windows yet: the runner never makes a
// WatchedProcess there, and the caller starts the program detached instead.
namespace cw::platform {

WatchedProcess::~WatchedProcess() = default;

WatchedProcess::Output WatchedProcess::ReadAvailable() {
  return {{}, true};
}

ProcessExit WatchedProcess::Exit() {
  return {};
}

ProcessExit WatchedProcess::WaitPassingOutput(const std::function<void(std::string_view)>&) {
  return {};
}

bool WatchedProcess::Stop() {
  return false;
}

}  // namespace cw::platform
