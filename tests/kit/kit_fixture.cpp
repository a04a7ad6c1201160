#include "kit/kit_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "compiler/map_compiler.h"
#include "compiler/template_library.h"
#include "platform/line_sink.h"
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
  platform::TextLineSink out;
  std::vector<std::string> warnings = compiler::CompileMap(level, {}, templates, out);
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

kit::ParsedMap ParseOrFail(const std::string& text) {
  kit::ParsedMap map = kit::ParseMapText(text);
  for (const std::string& error : map.errors) ADD_FAILURE() << error;
  return map;
}

}  // namespace cw::testing
