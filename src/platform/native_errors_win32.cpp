#include "platform/native_errors_win32.h"

#include <windows.h>

#include <cerrno>
#include <string_view>

namespace cw::platform::native {
namespace {

// No file system of Windows takes a longer name for one file or folder.
constexpr std::size_t kLongestName = 255;

bool HasOverlongName(std::string_view path) {
  while (!path.empty()) {
    const std::size_t separator = path.find_first_of("/\\");
    if (path.substr(0, separator).size() > kLongestName) return true;
    if (separator == std::string_view::npos) break;
    path.remove_prefix(separator + 1);
  }
  return false;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether the nearest folder above `path` that exists is in fact a file.
bool ContinuesBelowAFile(std::string ancestor) {
  for (;;) {
    const std::size_t separator = ancestor.find_last_of("/\\");
    if (separator == std::string::npos || separator == 0) return false;
    ancestor.erase(separator);
    if (ancestor.back() == ':') return false;  // a drive's root folder
    const DWORD attributes = ::GetFileAttributesA(ancestor.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
}

}  // namespace

int ExplainedFileError(const std::string& path, int error) {
  if (error == EACCES && IsFolder(path)) return EISDIR;
  if (error != ENOENT) return error;
  if (HasOverlongName(path)) return ENAMETOOLONG;
  if (ContinuesBelowAFile(path)) return ENOTDIR;
  return error;
}

int ErrnoForWindowsError(const std::string& path, unsigned long windowsError) {
  switch (windowsError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return ExplainedFileError(path, ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return ExplainedFileError(path, EACCES);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
      return HasOverlongName(path) ? ENAMETOOLONG : EINVAL;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    default:
      return EIO;
  }
}

}  // namespace cw::platform::native
