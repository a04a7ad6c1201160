#include "platform/file_reader.h"

#include <cerrno>

#include "platform/native_files.h"
#include "platform/number_format.h"

namespace cw::platform {
namespace {

// "64 MiB", or the bytes of a limit that is no whole number of mebibytes.
std::string LimitText(std::uint64_t limit) {
  if (limit >= kMebibyte && limit % kMebibyte == 0) {
    return DecimalText(static_cast<std::int64_t>(limit / kMebibyte)) + " MiB";
  }
  return DecimalText(static_cast<std::int64_t>(limit)) + " bytes";
}

}  // namespace

IoValue<std::string> ReadWholeFile(const std::string& path, std::uint64_t limit) {
  IoValue<std::string> result;
  const auto fail = [&](IoStatus status, std::string message) {
    result.status = status;
    result.error = std::move(message);
    result.value.clear();
    return result;
  };
  const auto failWith = [&](int error) {
    return fail(error == ENOENT ? IoStatus::kNotFound : IoStatus::kFailed,
                ErrnoMessage(path, error));
  };
  // The system would read the name only up to a NUL byte, which names another file.
  if (path.find('\0') != std::string::npos) return failWith(ENOENT);
  int error = 0;
  const native::FileHandle file = native::OpenToRead(path, error);
  if (file == native::kNoFile) return failWith(error);
  const auto closeAnd = [&](IoValue<std::string> failed) {
    int ignored = 0;
    native::Close(file, ignored);
    return failed;
  };
  const auto tooLarge = [&] {
    return closeAnd(fail(IoStatus::kFailed,
                         PathMessage(path, "larger than " + LimitText(limit) + ", not read")));
  };

  switch (native::KindOf(file)) {
    case native::FileKind::kRegular:
      break;
    case native::FileKind::kDirectory:
      return closeAnd(failWith(EISDIR));
    default:
      return closeAnd(fail(IoStatus::kNotRegular, PathMessage(path, "not a regular file")));
  }
  if (const auto size = native::SizeOf(file); size && *size > 0) {
    if (*size > limit) return tooLarge();
    result.value.reserve(static_cast<std::size_t>(*size));
  }
  char chunk[1 << 16];
  for (;;) {
    const std::int64_t count = native::ReadSome(file, chunk, sizeof chunk, error);
    if (count < 0) return closeAnd(failWith(error));
    if (count == 0) break;
    // A file may grow while it is read, and some report no size at all.
    if (result.value.size() + static_cast<std::uint64_t>(count) > limit) {
      return tooLarge();
    }
    result.value.append(chunk, static_cast<std::size_t>(count));
  }
  native::Close(file, error);
  return result;
}

}  // namespace cw::platform
