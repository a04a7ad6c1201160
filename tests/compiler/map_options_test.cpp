// The map options: a face's three Quake 2 numbers kept after its scales, and world keys after the
// world's classname. Off, the map is what it has always been.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "compiler/face_rewrite.h"
#include "compiler/map_compiler.h"

namespace cw::compiler {
namespace {

using document::BlockRecord;

PlacementSettings Keeping() {
  PlacementSettings settings;
  settings.map.keepFaceFlags = true;
  return settings;
}

std::string Rewrite(std::string_view line, const PlacementSettings& settings,
                    const BlockRecord& record) {
  std::optional<FaceFields> fields = ParseFaceLine(line);
  if (!fields) return "does not parse";
  std::string out;
  RewriteFaceLine(out, PrepareFace(std::move(*fields)), settings, record);
  return out;
}

TEST(FaceFlagsTest, KeptOnlyWhenSetAndWhole) {
  constexpr const char* kPoints = "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) ";
  constexpr const char* kPlaced = "( 192 -320 0 ) ( 256 -320 0 ) ( 256 -384 0 ) ";
  const BlockRecord mirrored{0, 2, 3, 1, "B"};
  struct Case {
    const char* fields;  // after the points
    const char* kept;    // after the placed points, with the setting on
  } cases[] = {
      {"LAMP 16 16 0 1 1 0 1 300", "LAMP 272 -368 0 -1 1 0 1 300"},
      {"LAMP 16 16 0 1 1", "LAMP 272 -368 0 -1 1"},
      // Written back as decimal numbers; what follows the third is ignored, as it always was.
      {"LAMP 16 16 0 1 1 +8 007 -0", "LAMP 272 -368 0 -1 1 8 7 0"},
      {"LAMP 16 16 0 1 1\t134217728\t0\t0 // detail", "LAMP 272 -368 0 -1 1 134217728 0 0"},
      {"LAMP 16 16 0 1 1 -2147483648 4294967295 0",
       "LAMP 272 -368 0 -1 1 -2147483648 4294967295 0"},
      // One or two numbers, or damaged ones: the whole set is dropped.
      {"LAMP 16 16 0 1 1 8", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 8 16", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 0 x 0", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 0 1.5 0", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 0 1 3e2", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 0 0 4294967296", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 -2147483649 0 0", "LAMP 272 -368 0 -1 1"},
      {"LAMP 16 16 0 1 1 - 0 0", "LAMP 272 -368 0 -1 1"},
      // The y scale's text runs into the numbers: they are not a set of their own.
      {"LAMP 16 16 0 1 1x 0 1 300", "LAMP 272 -368 0 -1 1"},
  };
  for (const Case& c : cases) {
    const std::string line = std::string(kPoints) + c.fields;
    EXPECT_EQ(Rewrite(line, Keeping(), mirrored), kPlaced + std::string(c.kept)) << line;
    // Unset, every one of them is written exactly as without the numbers.
    EXPECT_EQ(Rewrite(line, PlacementSettings{}, mirrored),
              std::string(kPlaced) + "LAMP 272 -368 0 -1 1")
        << line;
  }
}

TEST(FaceFlagsTest, NoOrientationChangesThem) {
  // An X-facing wall on floor 2: its texture is realigned as ever, its numbers stay.
  const char* line = "( 0 0 0 ) ( 0 64 0 ) ( 0 64 64 ) WATER 0 8 0 1 1 32 8 120";
  const char* expected[8] = {
      "( 0 0 256 ) ( 0 64 256 ) ( 0 64 320 ) WATER 0 264 0 1 1 32 8 120",
      "( 0 64 320 ) ( 0 64 256 ) ( 0 0 256 ) WATER 0 264 0 1 1 32 8 120",
      "( 0 -64 320 ) ( 0 -64 256 ) ( 0 0 256 ) WATER 0 264 0 -1 1 32 8 120",
      "( 0 0 256 ) ( 0 -64 256 ) ( 0 -64 320 ) WATER 0 264 0 -1 1 32 8 120",
      "( 0 0 256 ) ( -64 0 256 ) ( -64 0 320 ) WATER 0 264 0 -1 1 32 8 120",
      "( 64 0 320 ) ( 64 0 256 ) ( 0 0 256 ) WATER 0 264 0 1 1 32 8 120",
      "( -64 0 320 ) ( -64 0 256 ) ( 0 0 256 ) WATER 0 264 0 -1 1 32 8 120",
      "( 0 0 256 ) ( 64 0 256 ) ( 64 0 320 ) WATER 0 264 0 1 1 32 8 120",
  };
  for (std::int32_t flags = 0; flags < 8; ++flags) {
    EXPECT_EQ(Rewrite(line, Keeping(), {2, 0, 0, flags, "B"}), expected[flags]) << flags;
  }
}

constexpr std::string_view kQuake2Template =
    "{\r\n"
    "\"classname\" \"worldspawn\"\r\n"
    "\"sky\" \"from the template\"\r\n"
    "{\r\n"
    "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) cw_sky 0 0 0 1 1 0 4 0\r\n"
    "( 0 0 0 ) ( 0 64 0 ) ( 0 64 64 ) cw_stone 0 8 0 1 1\r\n"
    "}\r\n"
    "}\r\n"
    "{\r\n"
    "\"classname\" \"func_water\"\r\n"
    "{\r\n"
    "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) cw_water 4 4 0 1 1 32 0 0\r\n"
    "}\r\n"
    "}\r\n";

std::string CompileWith(const PlacementSettings& settings) {
  MemoryTemplateSource templates;
  templates.Add("Q", std::string(kQuake2Template));
  document::Level level;
  level.BlockList = {"0 1 0 4 Q"};
  platform::TextLineSink out;
  EXPECT_TRUE(CompileMap(level, settings, templates, out).empty());
  return out.text();
}

TEST(MapOptionsTest, UnsetTheMapIsAQuakeMap) {
  EXPECT_EQ(CompileWith(PlacementSettings{}),
            "{\r\n"
            "\"classname\" \"worldspawn\"\r\n"
            "// 0 1 0 4 Q\r\n"
            "\"sky\" \"from the template\"\r\n"
            "{\r\n"
            "( 128 0 0 ) ( 64 0 0 ) ( 64 64 0 ) cw_sky 0 0 90 1 1\r\n"
            "( 128 0 0 ) ( 64 0 0 ) ( 64 0 64 ) cw_stone 0 8 0 -1 1\r\n"
            "}\r\n"
            "}\r\n"
            "// 0 1 0 4 Q\r\n"
            "{\r\n"
            "\"classname\" \"func_water\"\r\n"
            "{\r\n"
            "( 128 0 0 ) ( 128 64 0 ) ( 128 64 64 ) cw_water 4 4 0 1 1\r\n"
            "}\r\n"
            "}\r\n");
}

TEST(MapOptionsTest, SetTheWorldNamesItsKeysOnceAndTheFacesKeepTheirNumbers) {
  PlacementSettings settings = Keeping();
  settings.map.worldKeys = {{"wad", "cryptwright.wad"}, {"message", "A crypt"}};
  EXPECT_EQ(CompileWith(settings),
            "{\r\n"
            "\"classname\" \"worldspawn\"\r\n"
            "\"wad\" \"cryptwright.wad\"\r\n"
            "\"message\" \"A crypt\"\r\n"
            "// 0 1 0 4 Q\r\n"
            "\"sky\" \"from the template\"\r\n"
            "{\r\n"
            "( 128 0 0 ) ( 64 0 0 ) ( 64 64 0 ) cw_sky 0 0 90 1 1 0 4 0\r\n"
            "( 128 0 0 ) ( 64 0 0 ) ( 64 0 64 ) cw_stone 0 8 0 -1 1\r\n"
            "}\r\n"
            "}\r\n"
            "// 0 1 0 4 Q\r\n"
            "{\r\n"
            "\"classname\" \"func_water\"\r\n"
            "{\r\n"
            "( 128 0 0 ) ( 128 64 0 ) ( 128 64 64 ) cw_water 4 4 0 1 1 32 0 0\r\n"
            "}\r\n"
            "}\r\n");
}

TEST(MapOptionsTest, WorldKeysStandInAnEmptyLevelToo) {
  PlacementSettings settings;
  settings.map.worldKeys = {{"wad", "a.wad"}};
  MemoryTemplateSource templates;
  platform::TextLineSink out;
  EXPECT_TRUE(CompileMap(document::Level{}, settings, templates, out).empty());
  EXPECT_EQ(out.text(), "{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" \"a.wad\"\r\n}\r\n");
}

}  // namespace
}  // namespace cw::compiler
