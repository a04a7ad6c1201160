#pragma once

// Windows has no limit on the size of a process's files; tests that need one skip there.
#ifndef _WIN32

#include <signal.h>
#include <sys/resource.h>

namespace cw::testing {

// While alive, no file of this process may grow past a number of bytes: a write beyond it fails
// with EFBIG, as on a disk that fills up half-way. Unlike permissions, the limit holds for the
// super-user too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  struct sigaction previousAction_ {};
};

}  // namespace cw::testing

#endif  // _WIN32
