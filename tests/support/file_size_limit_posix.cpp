#include "support/file_size_limit.h"

namespace cw::testing {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  ::getrlimit(RLIMIT_FSIZE, &previous_);
  // Without this the process would be killed by SIGXFSZ instead of seeing the write fail.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &previousAction_);
  rlimit limit = previous_;
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &previous_);
  ::sigaction(SIGXFSZ, &previousAction_, nullptr);
}

}  // namespace cw::testing
