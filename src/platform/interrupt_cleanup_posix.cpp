#include <signal.h>
#include <unistd.h>

#include <cstring>

#include "platform/interrupt_cleanup.h"

namespace cw::platform {
namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporaryAndEnd(int signal) {
  if (const char* path = NotedTemporaryFile()) ::unlink(path);
  // SA_RESETHAND has restored the default action: once this handler returns, the signal ends the
  // program as it would have without it, and its parent sees which signal it was.
  ::raise(signal);
}

}  // namespace

void RemoveTemporaryFileOnInterrupt() {
  for (const int signal : kInterruptions) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    ::sigaction(signal, &action, nullptr);
  }
}

InterruptsHeld::InterruptsHeld() {
  static_assert(sizeof(sigset_t) <= sizeof previous_);
  sigset_t held;
  sigemptyset(&held);
  for (const int signal : kInterruptions) sigaddset(&held, signal);
  sigset_t previous;
  ::pthread_sigmask(SIG_BLOCK, &held, &previous);
  std::memcpy(previous_, &previous, sizeof previous);
}

InterruptsHeld::~InterruptsHeld() {
  sigset_t previous;
  std::memcpy(&previous, previous_, sizeof previous);
  // A signal that came meanwhile is handled now, with the file noted.
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace cw::platform
