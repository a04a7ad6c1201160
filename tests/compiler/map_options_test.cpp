// The map options: a face's three Quake 2 numbers kept after its scales, and world keys after the
// world's classname. Off, the map is what it has always been.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "compiler/face_rewrite.h"
#include "compiler/map_compiler.h"

namespace cw::compiler {
namespace {

TEST(FaceFlagsTest, KeptOnlyWhenSetAndWhole) {
  PlacementSettings keeping;
  keeping.map.keepFaceFlags = true;
  struct Case {
    const char* fields;  // after the y scale
    const char* kept;    // written after the scales with the setting on
  } cases[] = {
      {" 0 1 300", " 0 1 300"},
      {"", ""},
      // Written back as decimal numbers; what follows the third is ignored, as it always was.
      {" +8 007 -0", " 8 7 0"},
      {"\t134217728\t0\t0 // detail", " 134217728 0 0"},
      {" -2147483648 4294967295 0", " -2147483648 4294967295 0"},
      // One or two numbers, or damaged ones: the whole set is dropped.
      {" 8", ""},
      {" 8 16", ""},
      {" 0 x 0", ""},
      {" 0 1.5 0", ""},
      {" 0 0 4294967296", ""},
      {" -2147483649 0 0", ""},
      {"x 0 1 300", ""},  // the y scale's text runs into the numbers
  };
  const document::BlockRecord mirrored{0, 2, 3, 1, "B"};
  const std::string placed = "( 192 -320 0 ) ( 256 -320 0 ) ( 256 -384 0 ) LAMP 272 -368 0 -1 1";
  for (const Case& c : cases) {
    const std::string line =
        std::string("( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) LAMP 16 16 0 1 1") + c.fields;
    const PreparedFace face = PrepareFace(*formats::ScanFaceLine(line));
    std::string on, off;
    RewriteFaceLine(on, face, keeping, mirrored);
    RewriteFaceLine(off, face, PlacementSettings{}, mirrored);
    EXPECT_EQ(on, placed + c.kept) << line;
    EXPECT_EQ(off, placed) << line;  // unset, always as without the numbers
  }
}

std::string CompileWith(const PlacementSettings& settings, const document::Level& level) {
  MemoryTemplateSource templates;
  templates.Add("Q",
                "{\r\n\"classname\" \"worldspawn\"\r\n{\r\n"
                "( 0 0 0 ) ( 0 64 0 ) ( 0 64 64 ) cw_sky 0 8 0 1 1 0 4 0\r\n"
                "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) cw_stone 0 0 0 1 1\r\n}\r\n}\r\n"
                "{\r\n\"classname\" \"func_water\"\r\n{\r\n"
                "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) cw_water 4 4 0 1 1 32 0 0\r\n}\r\n}\r\n");
  platform::TextLineSink out;
  EXPECT_TRUE(CompileMap(level, settings, templates, out).empty());
  return out.text();
}

TEST(MapOptionsTest, SetTheWorldNamesItsKeysOnceAndTheFacesKeepTheirNumbers) {
  document::Level level;
  level.BlockList = {"2 1 0 4 Q"};
  // A quarter turn on floor 2: the wall is realigned as ever (x scale negated, y offset + 256),
  // and its numbers stay what they were.
  const std::string unset =
      "{\r\n\"classname\" \"worldspawn\"\r\n// 2 1 0 4 Q\r\n{\r\n"
      "( 128 0 256 ) ( 64 0 256 ) ( 64 0 320 ) cw_sky 0 264 0 -1 1\r\n"
      "( 128 0 256 ) ( 64 0 256 ) ( 64 64 256 ) cw_stone 0 0 90 1 1\r\n}\r\n}\r\n"
      "// 2 1 0 4 Q\r\n{\r\n\"classname\" \"func_water\"\r\n{\r\n"
      "( 128 0 256 ) ( 128 64 256 ) ( 128 64 320 ) cw_water 4 260 0 1 1\r\n}\r\n}\r\n";
  EXPECT_EQ(CompileWith(PlacementSettings{}, level), unset);

  PlacementSettings settings;
  settings.map.keepFaceFlags = true;
  settings.map.worldKeys = {{"wad", "cryptwright.wad"}, {"message", "A crypt"}};
  std::string set = unset;
  set.insert(set.find("// "), "\"wad\" \"cryptwright.wad\"\r\n\"message\" \"A crypt\"\r\n");
  set.insert(set.find("0 -1 1") + 6, " 0 4 0");
  set.insert(set.find("0 1 1\r\n}\r\n}\r\n", set.find("cw_water")) + 5, " 32 0 0");
  EXPECT_EQ(CompileWith(settings, level), set);
  // In an empty level too, the world keys stand once.
  EXPECT_EQ(CompileWith(settings, document::Level{}),
            "{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" \"cryptwright.wad\"\r\n"
            "\"message\" \"A crypt\"\r\n}\r\n");
}

}  // namespace
}  // namespace cw::compiler
