// POSIX only: what the process code does with its descriptors.
#pragma once

#include <unistd.h>

namespace cw::platform {

// Closes a descriptor when there is one; a failed close leaves nothing to mend.
inline void CloseQuietly(int fd) {
  if (fd >= 0) ::close(fd);
}

}  // namespace cw::platform
