#include "platform/file_reader.h"

#include <cerrno>

#include "platform/io_result.h"
#include "platform/native_files.h"

namespace cw::platform {

ReadResult ReadWholeFile(const std::string& path) {
  ReadResult result;
  const auto fail = [&](int error) {
    result.status = error == ENOENT ? ReadStatus::kNotFound : ReadStatus::kFailed;
    result.error = ErrnoMessage(path, error);
    result.bytes.clear();
    return result;
  };
  // The system would read the name only up to a NUL byte, which names another file.
  if (path.find('\0') != std::string::npos) return fail(ENOENT);
  int error = 0;
  const native::FileHandle file = native::OpenToRead(path, error);
  if (file == native::kNoFile) return fail(error);
  const auto closeAndFail = [&](int why) {
    int ignored = 0;
    native::Close(file, ignored);
    return fail(why);
  };

  switch (native::KindOf(file)) {
    case native::FileKind::kDirectory:
      return closeAndFail(EISDIR);
    case native::FileKind::kStream: {
      ReadResult refused = closeAndFail(EINVAL);
      refused.status = ReadStatus::kNotRegular;
      refused.error = path + ": not a regular file";
      return refused;
    }
    default:
      break;
  }
  if (const auto size = native::SizeOf(file); size && *size > 0) {
    result.bytes.reserve(static_cast<std::size_t>(*size));
  }
  char chunk[1 << 16];
  for (;;) {
    const std::int64_t count = native::ReadSome(file, chunk, sizeof chunk, error);
    if (count < 0) return closeAndFail(error);
    if (count == 0) break;
    result.bytes.append(chunk, static_cast<std::size_t>(count));
  }
  native::Close(file, error);
  return result;
}

}  // namespace cw::platform
