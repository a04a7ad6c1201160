// One block template through both passes. The input's first line is the block record; the rest
// is the template of the record's block name. Beyond "no crash, no undefined behaviour":
// - compiling is deterministic and leaves the level as it was;
// - the map opens with the world entity, carries the record's comment line in both passes, and
//   ends every line with CR LF;
// - a template that is missing gives the comment lines and the world entity's lines only.
#include <cstdint>
#include <string>

#include "compiler/map_compiler.h"
#include "compiler/template_library.h"
#include "document/level.h"
#include "document/records.h"
#include "platform/line_sink.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cw::fuzz::Require;
  const std::string_view input = cw::fuzz::InputText(data, size);
  const std::size_t lineEnd = input.find('\n');
  std::string record(input.substr(0, lineEnd));
  std::erase(record, '\r');
  const std::string_view templateText =
      lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

  cw::compiler::MemoryTemplateSource templates;
  const auto block = cw::document::ParseBlockRecord(record);
  if (block) templates.Add(block->name, std::string(templateText));

  cw::document::Level level;
  level.BlockList = {record};
  const cw::document::Level before = level;
  const cw::settings::PlacementSettings settings;
  cw::platform::TextLineSink first;
  const auto warnings = cw::compiler::CompileMap(level, settings, templates, first);
  cw::platform::TextLineSink second;
  Require(cw::compiler::CompileMap(level, settings, templates, second) == warnings &&
              second.text() == first.text(),
          "compiling twice gives the same map and warnings");
  Require(level.BlockList == before.BlockList && level.LinkList == before.LinkList,
          "compiling leaves the level as it was");

  const std::string& map = first.text();
  Require(map.starts_with("{\r\n\"classname\" \"worldspawn\"\r\n"), "the map opens the world");
  Require(cw::fuzz::HasOnlyCrLfLineEnds(map), "every line ends with CR LF");
  const std::string comment = "// " + record + "\r\n";
  const std::string world = "{\r\n\"classname\" \"worldspawn\"\r\n";
  const std::size_t firstComment = map.find("\r\n" + comment);
  Require(firstComment == world.size() - 2, "the brush pass starts with the record's comment");
  Require(map.find("\r\n" + comment, firstComment + comment.size()) != std::string::npos,
          "the entity pass writes the record's comment line too");
  if (!block) {
    Require(map == world + comment + "}\r\n" + comment,
            "a record that does not parse adds nothing");
  }
  return 0;
}
