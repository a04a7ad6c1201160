#pragma once

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace cw::testing {

// Whether a read-only file keeps this process from writing it: on Windows it does for everyone;
// on POSIX not for the super-user, whom permission bits do not stop.
inline bool ReadOnlyFilesStopUs() {
#ifdef _WIN32
  return true;
#else
  return ::geteuid() != 0;
#endif
}

// Whether permission bits keep this process out: a folder without write permission from making
// files in it, a file without read permission from reading it. Not on Windows, where a folder's
// read-only attribute means nothing and no attribute forbids reading, nor for a POSIX super-user.
inline bool PermissionBitsStopUs() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() != 0;
#endif
}

// Sets the permission bits of a file or folder, such as 0555 (what Windows keeps of them is
// the read-only attribute of a file: set when no one may write it).
inline void SetPermissionBits(const std::filesystem::path& path, unsigned bits) {
  std::filesystem::permissions(path, static_cast<std::filesystem::perms>(bits));
}

}  // namespace cw::testing
