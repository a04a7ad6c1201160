#pragma once

#include <string>

namespace cw::testing {

// A pipe that a reader can open by name and that no writer will ever fill: a reader that waits
// for data waits for ever. On POSIX a named pipe in a fresh folder of its own; on Windows a
// named pipe (named outside the file system, "\\.\pipe\...") whose server waits for a client.
// Removed at the end.
class WaitingPipe {
 public:
  WaitingPipe();
  ~WaitingPipe();
  WaitingPipe(const WaitingPipe&) = delete;
  WaitingPipe& operator=(const WaitingPipe&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  void* server_ = nullptr;  // the Windows pipe's server end
};

}  // namespace cw::testing
