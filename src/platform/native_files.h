#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The operating system's file calls, as the file reader and the safe file writer need them. Every
// call of the system's file interface that the program makes is in native_files_posix.cpp or
// native_files_win32.cpp; the code above them is the same on every platform. Failures come back
// as the C library's error number (the <cerrno> values) in `error`.
namespace cw::platform::native {

// An open file: a POSIX descriptor or a C runtime descriptor on Windows. -1 is no file.
using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;

enum class FileKind {
  kRegular,
  kDirectory,
  kStream,  // a pipe or a socket: reading it may wait for a writer that never comes
  kOther,   // a device or anything else; never read or written
};

// Opens a file for reading without ever waiting (a pipe opens at once, with no writer).
FileHandle OpenToRead(const std::string& path, int& error);
// Opens an existing file for writing in place, truncated.
FileHandle OpenToOverwrite(const std::string& path, int& error);
// Creates a new file that must not exist yet, with the permissions 0666 less the umask. On
// Windows it may be deleted while it is open (the file goes when it is closed).
FileHandle CreateNew(const std::string& path, int& error);
// Creates a file without a name in a folder ("" for the current one), 0666 less the umask: it
// vanishes with the program however the program ends, until LinkUnnamed gives it a name. Linux
// only (O_TMPFILE, and /proc to name it); elsewhere, and on file systems that do not have such
// files, it fails and the caller makes a named file instead.
FileHandle CreateUnnamedIn(const std::string& folder, int& error);
// Gives a file made by CreateUnnamedIn the name `path`, which must not exist yet.
bool LinkUnnamed(FileHandle file, const std::string& path, int& error);

FileKind KindOf(FileHandle file);
// The size of a regular file, when the system knows it.
std::optional<std::uint64_t> SizeOf(FileHandle file);

// Reads up to `size` bytes; 0 at the end of the file, -1 on failure. Interrupted calls retry.
std::int64_t ReadSome(FileHandle file, char* buffer, std::size_t size, int& error);
// Writes up to `size` bytes; how many were written, -1 on failure. Interrupted calls retry.
std::int64_t WriteSome(FileHandle file, const char* bytes, std::size_t size, int& error);
// Flushes the file's data to the disk.
bool Sync(FileHandle file, int& error);
bool SetPermissions(FileHandle file, std::uint32_t permissions, int& error);
bool Close(FileHandle file, int& error);

// What a path names now, without opening it.
struct PathInfo {
  bool exists = false;
  FileKind kind = FileKind::kOther;
  std::uint32_t permissions = 0;  // the permission bits of an existing file
};
PathInfo Inspect(const std::string& path);
// Whether the current user may write an existing file (0 when it may, else the error number).
int WriteAccessError(const std::string& path);

// What tells one file from every other while both exist: the device and the inode on POSIX, the
// volume and the file index on Windows.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};
// The identity of the file a path names, symbolic links followed; nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// The path of the file a symbolic link leads to; any other path is returned as it is.
std::string FollowSymbolicLink(const std::string& path);
// Puts `from` in the place of `to` in one step, replacing what `to` named.
bool ReplaceFile(const std::string& from, const std::string& to, int& error);
void RemoveFile(const std::string& path);

// The system's text for an error number, untranslated, so that messages do not depend on the
// user's language settings.
std::string ErrorText(int error);

}  // namespace cw::platform::native
