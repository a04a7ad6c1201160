#pragma once

#include <string>

namespace cw::platform {

enum class ReadStatus {
  kOk,
  kNotFound,    // no such file
  kNotRegular,  // a pipe or a socket, refused rather than waited on
  kFailed,      // any other failure
};

struct ReadResult {
  ReadStatus status = ReadStatus::kOk;
  std::string bytes;
  std::string error;  // "path: reason" unless kOk
};

// Reads a whole file; every file the program reads comes through here. A pipe or a socket is
// refused at once with "path: not a regular file"; a name holding a NUL byte names no file.
ReadResult ReadWholeFile(const std::string& path);

}  // namespace cw::platform
