#include "compiler/post_build_arguments.h"

#include <gtest/gtest.h>

namespace cw::compiler {
namespace {

TEST(PostBuildTest, ArgumentsAreTheNameWithoutExtensionAndTheFolder) {
  struct Case {
    const char* path;
    PostBuildArguments expected;
  } cases[] = {
      {"/games/works/level1.map", {"level1", "/games/works"}},
      {"/a.b/c.d.map", {"c.d", "/a.b"}},
      {"/games/noext", {"noext", "/games"}},
      {"/top.map", {"top", "/"}},
      {"plain.map", {"plain", ""}},
#ifdef _WIN32
      {"C:\\GAMES\\WORKS\\LEVEL1.MAP", {"LEVEL1", "C:\\GAMES\\WORKS"}},
      {"mixed/folder\\x.map", {"x", "mixed/folder"}},
#else
      // A "\" is a character of a POSIX file name, not a separator.
      {"/games/back\\slash.map", {"back\\slash", "/games"}},
      {"mixed/folder\\x.map", {"folder\\x", "mixed"}},
#endif
  };
  for (const auto& c : cases) EXPECT_EQ(PostBuildArgumentsFor(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace cw::compiler
