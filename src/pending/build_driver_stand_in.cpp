// Stand-in, used only while the real build driver and post-build step (compiler/build_driver.cpp,
// compiler/post_build.cpp) are missing from the tree; src/CMakeLists.txt drops it as soon as they
// exist. It writes the map of an empty level and starts nothing.
#include "compiler/build_driver.h"
#include "compiler/post_build.h"
#include "platform/replacing_file_writer.h"

namespace cw::compiler {
BuildOutcome BuildMapFile(const document::Level&, const PlacementSettings&,
                          const std::string& mapPath) {
  platform::ReplacingFileWriter w(mapPath);
  BuildOutcome o;
  o.result = w.Open();
  if (!o.result) return o;
  w.WriteLine("{");
  w.WriteLine("\"classname\" \"worldspawn\"");
  w.WriteLine("}");
  o.result = w.Commit();
  return o;
}
bool RunPostBuild(const std::string&) {
  return false;
}
}  // namespace cw::compiler
