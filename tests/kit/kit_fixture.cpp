#include "kit/kit_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "compiler/map_compiler.h"
#include "compiler/template_library.h"
#include "platform/line_sink.h"
#include "settings/settings.h"
#include "support/test_files.h"

namespace cw::testing {

const char* KitFolder(Kit kit) {
  switch (kit) {
    case Kit::kQuake2:
      return CW_KIT_QUAKE2_DIR;
    case Kit::kHeretic2:
      return CW_KIT_HERETIC2_DIR;
    case Kit::kQuake:
      break;
  }
  return CW_KIT_DIR;
}

std::string KitPath(const std::string& name, Kit kit) {
  return std::string(KitFolder(kit)) + "/" + name;
}

std::string ReadKitFile(const std::string& name, Kit kit) {
  return ReadFileBytes(KitPath(name, kit));
}

std::vector<std::string> KitBlockNames(Kit kit) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(KitFolder(kit))) {
    if (entry.is_regular_file() && entry.path().extension() == ".map") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

settings::PlacementSettings KitSettings(Kit kit) {
  return settings::ParseSettings(ReadKitFile(settings::kSettingsFileName, kit)).block;
}

std::string CompileWithKit(const document::Level& level, Kit kit) {
  compiler::MemoryTemplateSource templates;
  for (const std::string& name : KitBlockNames(kit)) {
    templates.Add(name, ReadKitFile(name + ".map", kit));
  }
  platform::TextLineSink out;
  std::vector<std::string> warnings;
  for (compiler::CompileWarning& warning :
       compiler::CompileMap(level, KitSettings(kit), templates, out))
    warnings.push_back(std::move(warning.text));
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  return out.text();
}

document::Level OneBlockLevel(const std::string& record) {
  document::Level level;
  level.BlockList.push_back(record);
  return level;
}

ShellRun Shell(const std::string& command) {
  ShellRun run;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
  int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

formats::ParsedMap ParseOrFail(const std::string& text) {
  formats::ParsedMap map = formats::ParseMapText(text);
  for (const std::string& error : map.errors) ADD_FAILURE() << error;
  return map;
}

}  // namespace cw::testing
