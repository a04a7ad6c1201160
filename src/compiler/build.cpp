#include "compiler/build.h"

#include "platform/replacing_file_writer.h"

namespace cw::compiler {

platform::IoValue<std::vector<CompileWarning>> RunBuild(const document::Level& level,
                                                        const PlacementSettings& placement,
                                                        const std::string& mapPath,
                                                        const BuildServices& services) {
  platform::ReplacingFileWriter writer(mapPath);
  if (platform::IoResult opened = writer.Open(); !opened) return {std::move(opened), {}};
  FileTemplateSource files;
  TemplateSource& templates = services.templates ? *services.templates : files;
  std::vector<CompileWarning> warnings =
      CompileMap(level, placement, templates, writer, services.trace);
  return {writer.Commit(), std::move(warnings)};
}

}  // namespace cw::compiler
