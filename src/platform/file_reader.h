#pragma once

#include <cstdint>
#include <string>

#include "platform/file_limits.h"
#include "platform/io_result.h"

namespace cw::platform {

// Reads a whole file; every file the program reads comes through here. Only a regular file is
// read: a pipe, a socket or a device (/dev/zero never ends) is refused at once with "path: not a
// regular file" (kNotRegular), a folder with "path: Is a directory". A file of more than `limit`
// bytes is refused before it fills the memory, even one whose size the system does not know in
// advance. A name holding a NUL byte names no file (kNotFound). The value is the file's bytes,
// empty unless it was read.
IoValue<std::string> ReadWholeFile(const std::string& path, std::uint64_t limit = kAnyFileLimit);

}  // namespace cw::platform
