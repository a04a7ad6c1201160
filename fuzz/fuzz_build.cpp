// A whole build from one input packed as four files separated by "%%" lines: the level file,
// the templates of blocks "A" and "B", and the settings file, each read by the program's own
// readers. Beyond "no crash, no undefined behaviour":
// - compiling is deterministic and leaves the level as it was;
// - every line of the map ends with CR LF; the map opens the world entity;
// - every block record has its comment line, in level order, in both passes;
// - an empty level gives exactly the world entity's three lines;
// - no warning holds a control character or a NUL byte: names and records are shown escaped.
#include <cstdint>
#include <string>

#include "compiler/map_compiler.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "document/level_file.h"
#include "platform/line_sink.h"
#include "settings/settings.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cw::fuzz::Require;
  const auto parts = cw::fuzz::SplitPackedInput(cw::fuzz::InputText(data, size), 4);
  const cw::document::Level records = cw::document::ParseLevelFileText(parts[0]);
  cw::compiler::MemoryTemplateSource templates;
  templates.Add("A", std::string(parts[1]));
  templates.Add("B", std::string(parts[2]));
  const cw::settings::Settings settings = cw::settings::ParseSettings(parts[3]);

  cw::document::Level level;
  level.BlockList = records.BlockList;
  level.LinkList = records.LinkList;
  cw::platform::TextLineSink first;
  const auto warnings = cw::compiler::CompileMap(level, settings.block, templates, first);
  cw::platform::TextLineSink second;
  Require(cw::compiler::CompileMap(level, settings.block, templates, second) == warnings &&
              second.text() == first.text(),
          "compiling twice gives the same map and warnings");
  Require(level.BlockList == records.BlockList && level.LinkList == records.LinkList,
          "compiling leaves the level as it was");

  for (const cw::compiler::CompileWarning& warning : warnings) {
    for (const char c : warning.text) {
      const auto byte = static_cast<unsigned char>(c);
      Require(byte >= 0x20 && byte != 0x7F, "warnings show control characters escaped");
    }
  }

  const std::string& map = first.text();
  Require(map.starts_with("{\r\n\"classname\" \"worldspawn\"\r\n"), "the map opens the world");
  Require(cw::fuzz::HasOnlyCrLfLineEnds(map), "every line ends with CR LF");
  std::size_t from = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (const std::string& record : level.BlockList) {
      const std::string comment = "\r\n// " + record + "\r\n";
      const std::size_t at = map.find(comment, from);
      Require(at != std::string::npos, "every block record has its comment line, in order");
      from = at + comment.size() - 2;
    }
  }
  if (level.BlockList.empty() && level.LinkList.empty()) {
    Require(map == "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n",
            "an empty level gives three lines");
  }
  return 0;
}
