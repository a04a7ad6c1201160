#pragma once

#include <string>

// Error numbers for the failures of Windows's file calls, as the messages of the program give
// them on every platform. Windows only; used by native_files_win32.cpp.
namespace cw::platform::native {

// The error of a C runtime call on `path` that failed with `error`, made precise: the runtime
// says "Permission denied" for a folder opened as a file, and "No such file or directory" for a
// path that continues below a file or has a name longer than any file system allows.
int ExplainedFileError(const std::string& path, int error);

// The error number for a Windows error code (GetLastError) of a call on `path`.
int ErrnoForWindowsError(const std::string& path, unsigned long windowsError);

}  // namespace cw::platform::native
