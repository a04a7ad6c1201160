#pragma once

#include <optional>
#include <string>

#include "platform/native_files.h"

namespace cw::platform {

// Where a path leads for a writer that follows symbolic links, as the replacing writer does: the
// file that is there, known by its identity (device and inode, volume and file index), or, for a
// file that is not there yet, its folder, known by its identity, and its name. So two paths that
// reach one file (a symbolic link, a hard link, "works/../a.pwl" and "a.pwl") are one place, and
// so are two names of a file still to be made in one folder.
class FilePlace {
 public:
  explicit FilePlace(const std::string& path);

  // The name of the file, after the followed path's last separator.
  const std::string& name() const { return name_; }
  bool operator==(const FilePlace& other) const;

 private:
  std::optional<native::FileIdentity> file_;
  std::optional<native::FileIdentity> folder_;
  std::string name_;
};

}  // namespace cw::platform
