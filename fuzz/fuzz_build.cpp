// A whole build from one input packed as four files separated by "%%" lines: the level file,
// the templates "A.map" and "B.map", and the settings file "PellEd.ini", read exactly as the
// editor and cryptwright-build read them. Beyond "no crash, no undefined behaviour":
// - the build succeeds and is deterministic;
// - every line of the map ends with CR LF, and the map opens and closes the world entity;
// - every block record has its comment line;
// - the level is left as it was.
#include <cstdint>
#include <string>

#include "app/settings.h"
#include "compiler/build_driver.h"
#include "document/level.h"
#include "document/level_file.h"
#include "support/fuzz_support.h"

namespace {

// The map goes to a name with a blank, which no block name (a run of non-blanks) can reach, so
// no template is ever read from the map being written.
constexpr const char* kMapPath = "map output.map";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cw::fuzz::Require;
  cw::fuzz::EnterScratchFolder();
  const auto parts = cw::fuzz::SplitPackedInput(cw::fuzz::InputText(data, size), 4);
  cw::fuzz::WriteFileOrDie("level.pwl", parts[0]);
  cw::fuzz::WriteFileOrDie("A.map", parts[1]);
  cw::fuzz::WriteFileOrDie("B.map", parts[2]);
  cw::fuzz::WriteFileOrDie(cw::app::kSettingsFileName, parts[3]);

  const auto loaded = cw::document::LoadLevelFile("level.pwl");
  Require(loaded.status == cw::document::LoadStatus::kLoaded, "the level file loads");
  cw::document::Level level;
  level.BlockList = loaded.records.BlockList;
  level.LinkList = loaded.records.LinkList;
  const cw::document::Level before = level;
  const cw::app::Settings settings = cw::app::ReadSettingsFile(cw::app::kSettingsFileName);

  const auto first = cw::compiler::BuildMapFile(level, settings.block, kMapPath);
  Require(first.result.ok, "a build into the scratch folder succeeds");
  const std::string map = cw::fuzz::ReadFileOrDie(kMapPath);
  const auto second = cw::compiler::BuildMapFile(level, settings.block, kMapPath);
  Require(second.result.ok && cw::fuzz::ReadFileOrDie(kMapPath) == map,
          "building twice gives the same map");
  Require(level.BlockList == before.BlockList && level.LinkList == before.LinkList,
          "the build leaves the level as it was");

  Require(map.starts_with("{\r\n\"classname\" \"worldspawn\"\r\n"), "the map opens the world");
  Require(cw::fuzz::HasOnlyCrLfLineEnds(map), "every line ends with CR LF");
  std::size_t from = 0;
  for (const std::string& record : level.BlockList) {
    const std::string comment = "\r\n// " + record + "\r\n";
    const std::size_t at = map.find(comment, from);
    Require(at != std::string::npos, "every block record has its comment line, in order");
    from = at + comment.size() - 2;
  }
  if (level.BlockList.empty() && level.LinkList.empty()) {
    Require(map == "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n",
            "an empty level gives three lines");
  }
  return 0;
}
