#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace cw::platform {

// How a file operation ended, as far as its callers act on it.
enum class IoStatus {
  kOk,
  kNotFound,    // no such file
  kNotRegular,  // a pipe, a socket or a device, refused rather than waited on or read for ever
  kFailed,      // any other failure
};

// The outcome of a file operation. A failure carries one line for the user that names the file
// and the reason, for example "works/a.pwl: Permission denied".
struct [[nodiscard]] IoResult {
  IoStatus status = IoStatus::kOk;
  std::string error;

  static IoResult Success() { return {}; }
  static IoResult Failure(std::string message, IoStatus status = IoStatus::kFailed) {
    return {status, std::move(message)};
  }
  bool ok() const { return status == IoStatus::kOk; }
  explicit operator bool() const { return ok(); }
};

// What a file operation yields together with how it ended: the bytes of a file read, a level
// loaded, the warnings of a build. Which value a failure still carries is the operation's to say.
template <typename T>
struct [[nodiscard]] IoValue : IoResult {
  T value{};
};

// "path: reason", the path shown with its control characters escaped (ShownText).
std::string PathMessage(std::string_view path, std::string_view reason);

// "path: reason" from an errno value, without the locale's translations.
std::string ErrnoMessage(std::string_view path, int errorNumber);

}  // namespace cw::platform
