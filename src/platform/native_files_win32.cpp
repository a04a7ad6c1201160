#include "platform/native_files.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/native_errors_win32.h"

// <windows.h> makes ReplaceFile a macro for ReplaceFileA, which would rename ours.
#undef ReplaceFile

namespace cw::platform::native {
namespace {

// Every file is opened in binary mode: the program writes its own CR LF line ends.
constexpr int kBinary = _O_BINARY | _O_NOINHERIT;

FileHandle OpenChecked(const std::string& path, int flags, int mode, int& error) {
  const int fd = ::_open(path.c_str(), flags | kBinary, mode);
  if (fd < 0) error = ExplainedFileError(path, errno);
  return fd;
}

FileKind KindOfMode(unsigned short mode) {
  if ((mode & _S_IFMT) == _S_IFREG) return FileKind::kRegular;
  if ((mode & _S_IFMT) == _S_IFDIR) return FileKind::kDirectory;
  if ((mode & _S_IFMT) == _S_IFIFO) return FileKind::kStream;
  return FileKind::kOther;
}

}  // namespace

FileHandle OpenToRead(const std::string& path, int& error) {
  return OpenChecked(path, _O_RDONLY, 0, error);
}

FileHandle OpenToOverwrite(const std::string& path, int& error) {
  return OpenChecked(path, _O_WRONLY | _O_TRUNC, 0, error);
}

FileHandle CreateNew(const std::string& path, int& error) {
  // Shared for deletion, so that the console's Ctrl+C handler can remove a temporary file that
  // the program is still writing. Not inherited by started programs, like every file we open.
  const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = ErrnoForWindowsError(path, ::GetLastError());
    return kNoFile;
  }
  const int file = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
  if (file < 0) {
    error = errno;
    ::CloseHandle(handle);
    return kNoFile;
  }
  return file;
}

FileHandle CreateUnnamedIn(const std::string&, int& error) {
  // Windows has no file without a name: the writer falls back to a named temporary file.
  error = ENOTSUP;
  return kNoFile;
}

bool LinkUnnamed(FileHandle, const std::string&, int& error) {
  error = ENOTSUP;
  return false;
}

FileKind KindOf(FileHandle file) {
  const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file));
  if (handle == INVALID_HANDLE_VALUE) return FileKind::kOther;
  switch (::GetFileType(handle)) {
    case FILE_TYPE_DISK:
      return FileKind::kRegular;
    case FILE_TYPE_PIPE:
      return FileKind::kStream;
    default:
      return FileKind::kOther;
  }
}

std::optional<std::uint64_t> SizeOf(FileHandle file) {
  struct _stat64 info {};
  if (::_fstat64(file, &info) != 0 || KindOfMode(info.st_mode) != FileKind::kRegular) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(info.st_size);
}

std::int64_t ReadSome(FileHandle file, char* buffer, std::size_t size, int& error) {
  const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  const int count = ::_read(file, buffer, chunk);
  if (count < 0) error = errno;
  return count;
}

std::int64_t WriteSome(FileHandle file, const char* bytes, std::size_t size, int& error) {
  const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  const int count = ::_write(file, bytes, chunk);
  if (count < 0) error = errno;
  return count;
}

bool Sync(FileHandle file, int& error) {
  if (::_commit(file) == 0) return true;
  error = errno;
  return false;
}

bool SetPermissions(FileHandle, std::uint32_t, int&) {
  // Windows files carry no permission bits beyond read-only, which a replaced file starts without.
  return true;
}

bool Close(FileHandle file, int& error) {
  if (::_close(file) == 0) return true;
  error = errno;
  return false;
}

PathInfo Inspect(const std::string& path) {
  // A device (NUL, CON, COM1, also as "works\NUL.pwl") or a pipe is named in the namespace
  // "\\.\": it is there to be written where it stands, like a POSIX device.
  char full[MAX_PATH];
  const DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length > 0 && length < MAX_PATH && std::string_view(full, length).starts_with("\\\\.\\")) {
    return {true, FileKind::kOther, 0};
  }
  struct _stat64 info {};
  if (::_stat64(path.c_str(), &info) != 0) return {};
  return {true, KindOfMode(info.st_mode), static_cast<std::uint32_t>(info.st_mode & 0777)};
}

int WriteAccessError(const std::string& path) {
  return ::_access(path.c_str(), 2) == 0 ? 0 : errno;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  // Opening a device or a pipe would act on it (a pipe would take us as its client).
  if (const PathInfo info = Inspect(path); !info.exists || info.kind == FileKind::kOther) {
    return std::nullopt;
  }
  const HANDLE file =
      ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const BOOL known = ::GetFileInformationByHandle(file, &info);
  ::CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::string FollowSymbolicLink(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return path;
  }
  const HANDLE file =
      ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  char target[MAX_PATH];
  const DWORD length = ::GetFinalPathNameByHandleA(file, target, MAX_PATH, FILE_NAME_NORMALIZED);
  ::CloseHandle(file);
  if (length == 0 || length >= MAX_PATH) return path;
  // The final path comes as "\\?\C:\..." or "\\?\UNC\server\...".
  std::string_view resolved(target, length);
  if (resolved.starts_with("\\\\?\\UNC\\")) return "\\\\" + std::string(resolved.substr(8));
  if (resolved.starts_with("\\\\?\\")) resolved.remove_prefix(4);
  return std::string(resolved);
}

bool ReplaceFile(const std::string& from, const std::string& to, int& error) {
  if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  error = ErrnoForWindowsError(to, ::GetLastError());
  return false;
}

void RemoveFile(const std::string& path) {
  ::_unlink(path.c_str());
}

std::string ErrorText(int error) {
  const char* reason = std::strerror(error);
  return reason ? reason : "Unknown error";
}

}  // namespace cw::platform::native
