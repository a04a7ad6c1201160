// One block template through both passes. The input's first line is the block record; the rest
// is the template, saved under the record's block name. Beyond "no crash, no undefined
// behaviour":
// - the build succeeds and is deterministic;
// - the map opens with the world entity, carries the record's comment line in both passes, and
//   ends every line with CR LF;
// - the level is left as it was.
#include <cstdint>
#include <string>

#include "compiler/build_driver.h"
#include "document/level.h"
#include "document/records.h"
#include "support/fuzz_support.h"

namespace {

// The map goes to a name with a blank, which no block name (a run of non-blanks) can reach, so
// no template is ever read from the map being written.
constexpr const char* kMapPath = "map output.map";

// A block name that is safe to use as a file name in the scratch folder.
bool IsPlainName(const std::string& name) {
  if (name.empty() || name.size() > 64) return false;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-';
    if (!plain) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cw::fuzz::Require;
  cw::fuzz::EnterScratchFolder();
  const std::string_view input = cw::fuzz::InputText(data, size);
  const std::size_t lineEnd = input.find('\n');
  std::string record(input.substr(0, lineEnd));
  std::erase(record, '\r');
  const std::string_view templateText =
      lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

  std::string templateFile;
  if (const auto block = cw::document::ParseBlockRecord(record);
      block && IsPlainName(block->name)) {
    templateFile = block->name + ".map";
    cw::fuzz::WriteFileOrDie(templateFile, templateText);
  }

  cw::document::Level level;
  level.BlockList = {record};
  const cw::document::Level before = level;
  const cw::compiler::PlacementSettings settings;
  const auto first = cw::compiler::BuildMapFile(level, settings, kMapPath);
  Require(first.result.ok, "a build into the scratch folder succeeds");
  const std::string map = cw::fuzz::ReadFileOrDie(kMapPath);
  const auto second = cw::compiler::BuildMapFile(level, settings, kMapPath);
  Require(second.result.ok && cw::fuzz::ReadFileOrDie(kMapPath) == map,
          "building twice gives the same map");
  Require(level.BlockList == before.BlockList && level.LinkList == before.LinkList,
          "the build leaves the level as it was");

  Require(map.starts_with("{\r\n\"classname\" \"worldspawn\"\r\n"), "the map opens the world");
  Require(map.ends_with("\r\n"), "the map ends with a line end");
  Require(cw::fuzz::HasOnlyCrLfLineEnds(map), "every line ends with CR LF");
  const std::string comment = "\r\n// " + record + "\r\n";
  const std::size_t firstComment = map.find(comment);
  Require(firstComment != std::string::npos &&
              map.find(comment, firstComment + comment.size() - 2) != std::string::npos,
          "the record's comment line is written in both passes");

  if (!templateFile.empty()) cw::fuzz::RemoveFileIfPresent(templateFile);
  return 0;
}
