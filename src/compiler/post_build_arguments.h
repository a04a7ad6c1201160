#pragma once

#include <string>
#include <string_view>

namespace cw::compiler {

// The two arguments of the post-build batch for a map path: the file's name without its
// extension (cut before the last "."; a name without one is kept whole) and the folder that
// holds it, without a trailing separator. Folders are separated by "/", and on Windows by "\" too.
struct PostBuildArguments {
  std::string name;
  std::string folder;
  bool operator==(const PostBuildArguments&) const = default;
};

PostBuildArguments PostBuildArgumentsFor(std::string_view mapPath);

}  // namespace cw::compiler
