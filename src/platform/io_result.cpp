#include "platform/io_result.h"

#include "platform/native_files.h"
#include "platform/shown_text.h"

namespace cw::platform {

std::string PathMessage(std::string_view path, std::string_view reason) {
  std::string message = ShownText(path);
  message += ": ";
  message += reason;
  return message;
}

std::string ErrnoMessage(std::string_view path, int errorNumber) {
  return PathMessage(path, native::ErrorText(errorNumber));
}

}  // namespace cw::platform
