#pragma once

#include <QPointer>
#include <functional>

class QSocketNotifier;

namespace cw::editor {

// Waits in the event loop for the post-build batch's output: `ready` runs whenever the descriptor
// can be read, until Stop().
class BatchWatch {
 public:
  BatchWatch() = default;
  ~BatchWatch();
  BatchWatch(const BatchWatch&) = delete;
  BatchWatch& operator=(const BatchWatch&) = delete;

  void Watch(int descriptor, std::function<void()> ready);
  void Stop();

 private:
  // Owned by the application, which may end before the editor does.
  QPointer<QSocketNotifier> notifier_;
};

}  // namespace cw::editor
