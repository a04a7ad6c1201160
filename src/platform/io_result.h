#pragma once

#include <string>
#include <string_view>

namespace cw::platform {

// The outcome of a file operation. A failure carries one line for the user that names the file
// and the reason, for example "works/a.pwl: Permission denied".
struct [[nodiscard]] IoResult {
  bool ok = true;
  std::string error;

  static IoResult Success() { return {}; }
  static IoResult Failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return ok; }
};

// "path: reason", the path shown with its control characters escaped (ShownText).
std::string PathMessage(std::string_view path, std::string_view reason);

// "path: reason" from an errno value, without the locale's translations.
std::string ErrnoMessage(std::string_view path, int errorNumber);

}  // namespace cw::platform
