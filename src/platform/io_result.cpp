#include "platform/io_result.h"

#include "platform/native_files.h"

namespace cw::platform {

std::string ErrnoMessage(const std::string& path, int errorNumber) {
  return path + ": " + native::ErrorText(errorNumber);
}

}  // namespace cw::platform
