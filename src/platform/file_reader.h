#pragma once

#include <cstdint>
#include <string>

#include "platform/file_limits.h"

namespace cw::platform {

enum class ReadStatus {
  kOk,
  kNotFound,    // no such file
  kNotRegular,  // a pipe, a socket or a device, refused rather than waited on or read for ever
  kFailed,      // any other failure, a file larger than the limit among them
};

struct ReadResult {
  ReadStatus status = ReadStatus::kOk;
  std::string bytes;
  std::string error;  // "path: reason" unless kOk
};

// Reads a whole file; every file the program reads comes through here. Only a regular file is
// read: a pipe, a socket or a device (/dev/zero never ends) is refused at once with "path: not a
// regular file", a folder with "path: Is a directory". A file of more than `limit` bytes is
// refused before it fills the memory, even one whose size the system does not know in advance.
// A name holding a NUL byte names no file.
ReadResult ReadWholeFile(const std::string& path, std::uint64_t limit = kAnyFileLimit);

}  // namespace cw::platform
