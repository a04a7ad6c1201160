// The trace from the map's lines back to the records that wrote them, on whole maps.
#include "compiler/map_trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/build.h"
#include "compiler/map_compiler.h"
#include "platform/text_lines.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

// Each line of the map after the name of what wrote it: "world", "brushes N" and "entities N"
// for block record N, "relay N" for link record N, "-" for a line without an origin.
std::string Traced(const std::string& map, const MapTrace& trace) {
  std::string out;
  const std::vector<std::string> lines = platform::SplitTextLines(map);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::optional<MapLineOrigin> origin = trace.OriginOf(i + 1);
    std::string label = "-";
    if (origin) {
      const std::string index = std::to_string(origin->index);
      switch (origin->source) {
        case MapLineSource::kWorld:
          label = "world";
          break;
        case MapLineSource::kBlockBrushes:
          label = "brushes " + index;
          break;
        case MapLineSource::kBlockEntities:
          label = "entities " + index;
          break;
        case MapLineSource::kLinkRelay:
          label = "relay " + index;
          break;
      }
    }
    out += label + " | " + lines[i] + "\n";
  }
  return out;
}

constexpr const char* kTracedBox =
    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 0 0 0 1 1\n}\n}\n"
    "{\n\"classname\" \"func_door\"\n\"targetname\" \"t0\"\n{\n"
    "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) D 0 0 0 1 1\n}\n}\n"
    "{\n\"classname\" \"trigger_once\"\n\"target\" \"kgo\"\n}\n";
constexpr const char* kLight =
    "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n";

TEST(MapTraceTest, EveryLineOfAWholeMapPointsAtItsRecord) {
  MemoryTemplateSource templates;
  templates.Add("Box", kTracedBox);
  templates.Add("Light", kLight);
  document::Level level;
  level.BlockList = {"0 1 2 0 Box", "garbage", "1 0 0 0 Gone", "0 3 4 0 Light"};
  // The first link is taken by the k-target of the Box; the broken one gets nothing.
  level.LinkList = {"0 1 2 0 3 4", "x", "0 3 4 0 1 2"};
  MapTrace trace;
  platform::TextLineSink out;
  (void)CompileMap(level, {}, templates, out, &trace);
  EXPECT_EQ(Traced(out.text(), trace),
            "world | {\n"
            "world | \"classname\" \"worldspawn\"\n"
            "brushes 0 | // 0 1 2 0 Box\n"
            "brushes 0 | {\n"
            "brushes 0 | ( 128 -256 0 ) ( 128 -192 0 ) ( 192 -192 0 ) W 0 0 0 1 1\n"
            "brushes 0 | }\n"
            "brushes 1 | // garbage\n"
            "brushes 2 | // 1 0 0 0 Gone\n"
            "brushes 3 | // 0 3 4 0 Light\n"
            "world | }\n"
            "entities 0 | // 0 1 2 0 Box\n"
            "entities 0 | {\n"
            "entities 0 | \"classname\" \"func_door\"\n"
            "entities 0 | \"targetname\" \"t0500102\"\n"
            "entities 0 | {\n"
            "entities 0 | ( 128 -256 0 ) ( 192 -256 0 ) ( 192 -256 64 ) D 0 0 0 1 1\n"
            "entities 0 | }\n"
            "entities 0 | }\n"
            "entities 0 | {\n"
            "entities 0 | \"classname\" \"trigger_once\"\n"
            "entities 0 | \"target\" \"t0500304\"\n"
            "entities 0 | }\n"
            "entities 1 | // garbage\n"
            "entities 2 | // 1 0 0 0 Gone\n"
            "entities 3 | // 0 3 4 0 Light\n"
            "entities 3 | {\n"
            "entities 3 | \"classname\" \"light\"\n"
            "entities 3 | }\n"
            "relay 2 | {\n"
            "relay 2 | \"classname\" \"trigger_relay\"\n"
            "relay 2 | \"origin\" \"384 -512 64\"\n"
            "relay 2 | \"targetname\" \"t0500304\"\n"
            "relay 2 | \"target\" \"t0500102\"\n"
            "relay 2 | }\n");
  EXPECT_EQ(trace.LineCount(), 34u);
  EXPECT_FALSE(trace.OriginOf(0));
  EXPECT_FALSE(trace.OriginOf(35));
}

TEST(MapTraceTest, AnEmptyLevelIsAllWorldAndTheBuildFillsTheTrace) {
  const cw::testing::TempDir dir;
  MemoryTemplateSource templates;
  MapTrace trace;
  const std::string map = (dir.path() / "empty.map").string();
  const auto outcome =
      RunBuild(document::Level{}, {}, map, {.templates = &templates, .trace = &trace});
  ASSERT_TRUE(outcome) << outcome.error;
  EXPECT_EQ(Traced(cw::testing::ReadFileBytes(map), trace),
            "world | {\nworld | \"classname\" \"worldspawn\"\nworld | }\n");
}

}  // namespace
}  // namespace cw::compiler
