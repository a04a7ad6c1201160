#include "platform/io_result.h"

#include <cstring>

namespace cw::platform {

std::string ErrnoMessage(const std::string& path, int errorNumber) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
  // The untranslated text, so that messages do not depend on the user's locale settings.
  const char* reason = strerrordesc_np(errorNumber);
#else
  const char* reason = std::strerror(errorNumber);
#endif
  return path + ": " + (reason ? reason : "Unknown error");
}

}  // namespace cw::platform
