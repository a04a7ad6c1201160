#include "platform/interrupt_cleanup.h"

#include <atomic>
#include <cstring>

namespace cw::platform {
namespace {

// The program's one piece of mutable global state, because a signal handler can reach nothing
// else: the path of the temporary file to remove, in a fixed buffer that the handler reads
// without allocating, and whether it holds one.
constexpr std::size_t kLongestPath = 4096;
char notedPath[kLongestPath + 1];
enum : int { kFree, kWriting, kNoted };
std::atomic<int> notedState{kFree};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads it");

}  // namespace

bool NoteTemporaryFile(std::string_view path) {
  int expected = kFree;
  if (path.size() > kLongestPath || path.find('\0') != std::string_view::npos ||
      !notedState.compare_exchange_strong(expected, kWriting)) {
    return false;
  }
  std::memcpy(notedPath, path.data(), path.size());
  notedPath[path.size()] = '\0';
  notedState.store(kNoted, std::memory_order_release);
  return true;
}

void ForgetTemporaryFile() {
  notedState.store(kFree, std::memory_order_release);
}

const char* NotedTemporaryFile() {
  return notedState.load(std::memory_order_acquire) == kNoted ? notedPath : nullptr;
}

}  // namespace cw::platform
