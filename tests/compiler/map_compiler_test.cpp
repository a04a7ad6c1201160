#include "compiler/map_compiler.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace cw::compiler {
namespace {

using document::Level;
using Lines = std::vector<std::string>;

// The text with every LF made CR LF, as the map file ends its lines.
std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

Level MakeLevel(Lines blocks, Lines links = {}) {
  Level level;
  level.BlockList = std::move(blocks);
  level.LinkList = std::move(links);
  return level;
}

struct Compiled {
  std::string map;
  std::vector<std::string> warnings;
};

Compiled Compile(const Level& level, MemoryTemplateSource& templates,
                 const PlacementSettings& settings = {}) {
  platform::TextLineSink out;
  std::vector<std::string> warnings;
  for (CompileWarning& warning : CompileMap(level, settings, templates, out))
    warnings.push_back(std::move(warning.text));
  return {out.text(), std::move(warnings)};
}

constexpr std::string_view kTemplateB = R"({
"classname" "worldspawn"
// wall
{
( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 1 1
( 0 0 0 ) ( 0 64 0 ) ( 0 64 64 ) WALL 0 8 0 1 1
 ( 1 2 3 ) indented
}
}
{
"classname" "func_door"
"targetname" "t0"
"angle" "90"
{
( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) DOOR 4 4 0 0.5 0.5
}
}
{
"classname" "trigger_once"
"target" "kdoor"
"origin" "8 16 24"
}
)";

TEST(MapCompilerTest, EmptyLevelIsTheWorldEntityAlone) {
  MemoryTemplateSource templates;
  const Compiled compiled = Compile(Level{}, templates);
  EXPECT_EQ(compiled.map, "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n");
  EXPECT_TRUE(compiled.warnings.empty());
}

TEST(MapCompilerTest, SmallLevelWholeMap) {
  MemoryTemplateSource templates;
  templates.Add("B", Crlf(kTemplateB));
  const Level level =
      MakeLevel({"0 2 1 4 B", "0 0 0 1 B"}, {"0 2 1 0 3 4", "0 0 0 0 2 1", "0 0 0 1 0 0"});
  const Compiled compiled = Compile(level, templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 0 2 1 4 B
// wall
{
( 256 -128 0 ) ( 192 -128 0 ) ( 192 -64 0 ) WALL 144 -240 90 1 1
( 256 -128 0 ) ( 192 -128 0 ) ( 192 -128 64 ) WALL 0 8 0 -1 1
 ( 1 2 3 ) indented
}
// 0 0 0 1 B
// wall
{
( -64 64 0 ) ( 0 64 0 ) ( 0 0 0 ) WALL 16 16 0 -1 1
( 0 64 64 ) ( 0 64 0 ) ( 0 0 0 ) WALL 0 8 0 1 1
 ( 1 2 3 ) indented
}
}
// 0 2 1 4 B
{
"classname" "func_door"
"targetname" "t0500201"
"angle" "180"
{
( 256 -128 0 ) ( 256 -64 0 ) ( 256 -64 64 ) DOOR 260 4 0 0.5 0.5
}
}
{
"classname" "trigger_once"
"target" "t0500304"
"origin" "240 -120 24"
}
// 0 0 0 1 B
{
"classname" "func_door"
"targetname" "t0500000"
"angle" "90"
{
( -64 0 64 ) ( -64 0 0 ) ( 0 0 0 ) DOOR 4 4 0 -0.5 0.5
}
}
{
"classname" "trigger_once"
"target" "t0500201"
"origin" "-8 16 24"
}
{
"classname" "trigger_relay"
"origin" "0 0 64"
"targetname" "t0500000"
"target" "t0510000"
}
)"));
  EXPECT_TRUE(compiled.warnings.empty());
}

constexpr std::string_view kTwoKTargets = R"({
"classname" "worldspawn"
}
{
"target" "kfirst"
}
{
"target" "ksecond"
}
)";

TEST(MapCompilerTest, KTargetsTakeLinksInListOrder) {
  MemoryTemplateSource templates;
  templates.Add("K", Crlf(kTwoKTargets));
  // Two links from cell A = (0, 3, 4): to B, then to C. A link from elsewhere gets its relay.
  const Level level = MakeLevel({"0 3 4 0 K"}, {"0 1 1 0 2 2", "0 3 4 0 5 6", "0 3 4 -1 7 8"});
  const Level before = level;
  const Compiled compiled = Compile(level, templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 0 3 4 0 K
}
// 0 3 4 0 K
{
"target" "t0500506"
}
{
"target" "t0490708"
}
{
"classname" "trigger_relay"
"origin" "128 -128 64"
"targetname" "t0500101"
"target" "t0500202"
}
)"));
  EXPECT_EQ(level.LinkList, before.LinkList);
}

TEST(MapCompilerTest, KTargetWithoutAFreeLinkKeepsItsValue) {
  MemoryTemplateSource templates;
  templates.Add("K", Crlf(kTwoKTargets));
  // Two blocks on the same cell share its one link: the first k-target line met takes it.
  const Level level = MakeLevel({"0 3 4 0 K", "0 3 4 2 K"}, {"0 3 4 0 5 6"});
  const Compiled compiled = Compile(level, templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 0 3 4 0 K
// 0 3 4 2 K
}
// 0 3 4 0 K
{
"target" "t0500506"
}
{
"target" "ksecond"
}
// 0 3 4 2 K
{
"target" "kfirst"
}
{
"target" "ksecond"
}
)"));
}

TEST(MapCompilerTest, RelaysForEveryLinkNotTaken) {
  MemoryTemplateSource templates;
  const Level level = MakeLevel({}, {"0 1 2 0 3 4", "-1 0 0 0 0 0", "0 1 2 1 1 1"});
  EXPECT_EQ(Compile(level, templates).map, Crlf(R"({
"classname" "worldspawn"
}
{
"classname" "trigger_relay"
"origin" "128 -256 64"
"targetname" "t0500102"
"target" "t0500304"
}
{
"classname" "trigger_relay"
"origin" "0 0 -64"
"targetname" "t0490000"
"target" "t0500000"
}
{
"classname" "trigger_relay"
"origin" "128 -256 64"
"targetname" "t0500102"
"target" "t0510101"
}
)"));
}

TEST(MapCompilerTest, RelayHeightTruncatesHalfAFloor) {
  MemoryTemplateSource templates;
  struct Case {
    PlacementSettings settings;
    const char* link;
    const char* origin;
  } cases[] = {
      {{128, 128, 129, 0, 0}, "0 0 0 0 1 0", R"("origin" "0 0 64")"},
      {{128, 128, -129, 0, 0}, "0 0 0 0 1 0", R"("origin" "0 0 -64")"},
      {{128, 128, -129, 0, 0}, "1 0 0 0 1 0", R"("origin" "0 0 -193")"},
      {{64, 32, 16, 10, 20}, "2 3 4 0 1 0", R"("origin" "202 -108 40")"},
      {{2147483647, 2147483647, 2147483647, 0, 0},
       "2147483647 2147483647 0 0 1 0",
       R"("origin" "4611686014132420609 0 4611686015206162432")"},
  };
  for (const auto& c : cases) {
    const std::string map = Compile(MakeLevel({}, {c.link}), templates, c.settings).map;
    EXPECT_NE(map.find(std::string(c.origin) + "\r\n"), std::string::npos) << c.link << map;
  }
}

TEST(MapCompilerTest, RecordsThatDoNotParse) {
  MemoryTemplateSource templates;
  templates.Add("B", Crlf("{\n\"classname\" \"worldspawn\"\n}\n{\n\"a\" \"b\"\n}\n"));
  const Level level = MakeLevel({"", "garbage", "0 0 0 0", "0 0 2147483648 0 B", "1 1 1 0 B"},
                                {"/0 0 0 0 1 1", "1 2 3", "0 0 0 0 0 x", "0 0 0 0 0 1"});
  const Compiled compiled = Compile(level, templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 
// garbage
// 0 0 0 0
// 0 0 2147483648 0 B
// 1 1 1 0 B
}
// 
// garbage
// 0 0 0 0
// 0 0 2147483648 0 B
// 1 1 1 0 B
{
"a" "b"
}
{
"classname" "trigger_relay"
"origin" "0 0 64"
"targetname" "t0500000"
"target" "t0500001"
}
)"));
  EXPECT_EQ(
      compiled.warnings,
      (Lines{
          R"(block record 1 "" does not parse; only its comment lines are written)",
          R"(block record 2 "garbage" does not parse; only its comment lines are written)",
          R"(block record 3 "0 0 0 0" does not parse; only its comment lines are written)",
          R"(block record 4 "0 0 2147483648 0 B" does not parse; only its comment lines are written)",
          R"(link record 1 "/0 0 0 0 1 1" does not parse; it gets no relay)",
          R"(link record 2 "1 2 3" does not parse; it gets no relay)",
          R"(link record 3 "0 0 0 0 0 x" does not parse; it gets no relay)",
      }));
}

TEST(MapCompilerTest, MissingTemplateGivesCommentLinesAndOneWarning) {
  MemoryTemplateSource templates;
  const Level level = MakeLevel({"0 0 0 0 Gone", "0 1 0 0 Gone"});
  const Compiled compiled = Compile(level, templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 0 0 0 0 Gone
// 0 1 0 0 Gone
}
// 0 0 0 0 Gone
// 0 1 0 0 Gone
)"));
  ASSERT_EQ(compiled.warnings.size(), 1u);
  EXPECT_EQ(compiled.warnings[0],
            "Gone.map: No such file or directory; blocks named \"Gone\" get no brushes or "
            "entities");
}

TEST(MapCompilerTest, TemplateLinesPassThroughByKind) {
  MemoryTemplateSource templates;
  // A key line of the world entity after line 2 stays in the world entity unchanged; an
  // unfinished face line and an indented one are copied; the entity section is taken whole,
  // its stray closing lines included, and its faces are placed.
  templates.Add("T", Crlf(R"(anything
at all
"wad" "x.wad"
( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0
 ( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1
}
}
"origin" "1 1 1"
( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1
)"));
  const Compiled compiled = Compile(MakeLevel({"1 0 0 3 T"}), templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 1 0 0 3 T
"wad" "x.wad"
( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0
 ( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1
}
// 1 0 0 3 T
}
"origin" "-1 -1 129"
( 0 0 128 ) ( 0 -64 128 ) ( -64 -64 128 ) WALL 0 0 0 -1 -1
)"));
}

TEST(MapCompilerTest, UnfinishedTemplateEntityKeepsWhatItHas) {
  MemoryTemplateSource templates;
  templates.Add("U", Crlf("{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n"));
  templates.Add("W", Crlf("{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) x\n"));
  const Compiled compiled = Compile(MakeLevel({"0 0 0 0 U", "0 0 0 0 W"}), templates);
  EXPECT_EQ(compiled.map, Crlf(R"({
"classname" "worldspawn"
// 0 0 0 0 U
// 0 0 0 0 W
{
( 0 0 0 ) x
}
// 0 0 0 0 U
{
"classname" "light"
// 0 0 0 0 W
)"));
}

// Counts how often each template is read.
class CountingSource final : public TemplateSource {
 public:
  explicit CountingSource(MemoryTemplateSource& inner) : inner_(inner) {}
  platform::IoValue<std::string> Read(const std::string& blockName) override {
    ++reads;
    return inner_.Read(blockName);
  }
  int reads = 0;

 private:
  MemoryTemplateSource& inner_;
};

TEST(MapCompilerTest, EachTemplateIsReadOncePerBuild) {
  MemoryTemplateSource memory;
  memory.Add("B", Crlf(kTemplateB));
  CountingSource counting(memory);
  const Level level = MakeLevel({"0 0 0 0 B", "0 1 0 5 B", "0 2 0 7 B", "0 0 0 0 Gone"});
  platform::TextLineSink out;
  (void)CompileMap(level, {}, counting, out);
  EXPECT_EQ(counting.reads, 2);
  // The same level compiled again gives the same map.
  platform::TextLineSink again;
  (void)CompileMap(level, {}, counting, again);
  EXPECT_EQ(again.text(), out.text());
}

TEST(MapCompilerTest, TemplatesCutAtEveryByteCompileTheSameEveryTime) {
  const std::string full = Crlf(kTemplateB);
  const Level level = MakeLevel({"0 2 1 4 B", "0 0 0 1 B"}, {"0 2 1 0 3 4", "0 0 0 0 2 1"});
  for (std::size_t length = 0; length <= full.size(); ++length) {
    MemoryTemplateSource templates;
    templates.Add("B", full.substr(0, length));
    const std::string first = Compile(level, templates).map;
    EXPECT_EQ(Compile(level, templates).map, first) << length;
    EXPECT_EQ(first.rfind("{\r\n\"classname\" \"worldspawn\"\r\n// 0 2 1 4 B\r\n", 0), 0u);
    EXPECT_EQ(first.substr(first.size() - 2), "\r\n");
  }
}

}  // namespace
}  // namespace cw::compiler
