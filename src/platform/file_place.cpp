#include "platform/file_place.h"

#include "platform/paths.h"

namespace cw::platform {
namespace {

#ifdef _WIN32
char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
#endif

// File names as the file system compares them: Windows's without regard to case (for the
// letters of ASCII, which is what the program's own names use).
bool SameName(const std::string& a, const std::string& b) {
#ifdef _WIN32
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
#else
  return a == b;
#endif
}

}  // namespace

FilePlace::FilePlace(const std::string& path) {
  if (path.find('\0') != std::string::npos) return;  // names no file and no place
  const std::string followed = native::FollowSymbolicLink(path);
  file_ = native::IdentityOf(followed);
  const std::size_t separator = followed.find_last_of(kPathSeparators);
  name_ = separator == std::string::npos ? followed : followed.substr(separator + 1);
  if (file_) return;
  std::string folder = separator == std::string::npos ? "." : followed.substr(0, separator + 1);
  folder_ = native::IdentityOf(folder);
}

bool FilePlace::operator==(const FilePlace& other) const {
  if (file_ || other.file_) return file_ && other.file_ && *file_ == *other.file_;
  return folder_ && other.folder_ && *folder_ == *other.folder_ && !name_.empty() &&
         SameName(name_, other.name_);
}

}  // namespace cw::platform
