#include "kit/kit_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "compiler/map_compiler.h"
#include "compiler/map_output.h"
#include "compiler/template_library.h"
#include "support/test_files.h"

namespace cw::testing {

std::string KitPath(const std::string& name) {
  return std::string(CW_KIT_DIR) + "/" + name;
}

std::string ReadKitFile(const std::string& name) {
  return ReadFileBytes(KitPath(name));
}

std::vector<std::string> KitBlockNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(CW_KIT_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() == ".map") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string CompileWithKit(const document::Level& level) {
  compiler::MemoryTemplateSource templates;
  for (const std::string& name : KitBlockNames()) templates.Add(name, ReadKitFile(name + ".map"));
  compiler::MapText out;
  std::vector<std::string> warnings = compiler::CompileMap(level, {}, templates, out);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  return out.text();
}

document::Level OneBlockLevel(const std::string& record) {
  document::Level level;
  level.BlockList.push_back(record);
  return level;
}

geometry::ParsedMap ParseOrFail(const std::string& text) {
  geometry::ParsedMap map = geometry::ParseMapText(text);
  for (const std::string& error : map.errors) ADD_FAILURE() << error;
  return map;
}

}  // namespace cw::testing
