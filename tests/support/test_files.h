#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cw::testing {

// The device that reads as empty and takes every write.
#ifdef _WIN32
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr const char* kNullDevice = "/dev/null";
#endif

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file inside the folder, as text.
  std::string File(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Makes a folder the current directory for a test's lifetime and restores the previous one.
class CurrentDirectoryGuard {
 public:
  explicit CurrentDirectoryGuard(const std::filesystem::path& folder);
  ~CurrentDirectoryGuard();
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  std::filesystem::path previous_;
};

// How many entries a folder holds (to see that no temporary file was left behind).
std::size_t EntriesIn(const std::filesystem::path& folder);

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadFileBytes(const std::filesystem::path& path);

// Text lines joined with CR LF after each, as the program writes them.
std::string CrLfLines(std::initializer_list<std::string_view> lines);

}  // namespace cw::testing
