#include "compiler/build_driver.h"

#include "compiler/map_compiler.h"
#include "compiler/post_build.h"
#include "platform/replacing_file_writer.h"

namespace cw::compiler {
namespace {

// Streams the map into the file writer, which buffers it and keeps the first failure.
class FileMapOutput final : public MapOutput {
 public:
  explicit FileMapOutput(platform::ReplacingFileWriter& writer) : writer_(writer) {}
  void WriteLine(std::string_view line) override { writer_.WriteLine(line); }

 private:
  platform::ReplacingFileWriter& writer_;
};

}  // namespace

BuildOutcome BuildMapFile(const document::Level& level, const PlacementSettings& settings,
                          const std::string& mapPath, TemplateSource& templates) {
  BuildOutcome outcome;
  platform::ReplacingFileWriter writer(mapPath);
  outcome.result = writer.Open();
  if (!outcome.result) return outcome;
  FileMapOutput out(writer);
  outcome.warnings = CompileMap(level, settings, templates, out);
  outcome.result = writer.Commit();
  return outcome;
}

BuildOutcome BuildMapFile(const document::Level& level, const PlacementSettings& settings,
                          const std::string& mapPath) {
  FileTemplateSource templates;
  return BuildMapFile(level, settings, mapPath, templates);
}

BuildOutcome Build(const document::Level& level, const PlacementSettings& settings,
                   const std::string& mapPath) {
  BuildOutcome outcome = BuildMapFile(level, settings, mapPath);
  // A map that could not be written is never handed on: the batch would find an old or no file.
  if (outcome.result) outcome.postBuildStarted = RunPostBuild(mapPath);
  return outcome;
}

}  // namespace cw::compiler
