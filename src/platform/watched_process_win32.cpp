#include "platform/watched_process.h"

// Watching a program's output is not available on Windows yet: Start() reports that nothing was
// started, and the caller falls back to starting the batch without watching it.
namespace cw::platform {

std::unique_ptr<WatchedProcess> WatchedProcess::Start(const std::vector<std::string>&) {
  return nullptr;
}

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

}  // namespace cw::platform
