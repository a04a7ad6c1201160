#include "formats/map_text.h"

#include <gtest/gtest.h>

namespace cw::formats {
namespace {

TEST(MapTextTest, ReadsEntitiesKeysBrushesAndFaceFields) {
  ParsedMap map = ParseMapText(
      "{\r\n\"classname\" \"worldspawn\"\r\n// a comment\r\n{\r\n"
      "( 1 -2 3 ) ( 4 5 6 ) ( -7 8 -9 ) stone 16 -8 90 0.5 -1\r\n}\r\n}\r\n"
      "{\r\n\"classname\" \"light\"\r\n\"origin\" \"0 0 88\"\r\n}\r\n");
  ASSERT_TRUE(map.errors.empty()) << map.errors.front();
  ASSERT_EQ(map.entities.size(), 2u);
  EXPECT_EQ(map.entities[0].ClassName(), "worldspawn");
  ASSERT_EQ(map.entities[0].brushes.size(), 1u);
  const MapFace& face = map.entities[0].brushes[0].faces.at(0);
  EXPECT_EQ(face.points[0], (IntPoint{1, -2, 3}));
  EXPECT_EQ(face.points[2], (IntPoint{-7, 8, -9}));
  EXPECT_EQ(face.texture, "stone");
  EXPECT_EQ(face.xOffset, 16);
  EXPECT_EQ(face.yOffset, -8);
  EXPECT_EQ(face.rotation, 90);
  EXPECT_EQ(face.xScale, 0.5);
  EXPECT_EQ(face.yScale, -1);
  EXPECT_EQ(face.line, 5);
  EXPECT_EQ(map.entities[1].Value("origin"), "0 0 88");
  EXPECT_EQ(map.entities[1].Value("angle"), std::nullopt);
}

TEST(MapTextTest, ReportsEachMalformedLineWithItsNumber) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 1 0 0 ) stone 0 0 0 1 1\n}\n}\n",
       "line 4: face line that does not parse"},
      {"{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) stone 0 0 0 1 1 "
       "9\n}\n}\n",
       "line 4: face line that does not parse"},
      {"{\n( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) stone 0 0 0 1 1\n}\n",
       "line 2: face line outside a brush"},
      {"{\n{\n\"classname\" \"light\"\n}\n}\n", "line 3: key line outside an entity"},
      {"{\n\"classname\" \"light\" x\n}\n", "line 2: key line that does not parse"},
      {"}\n", "line 1: \"}\" without an open entity"},
      {"{\n{\n{\n}\n}\n}\n", "line 3: \"{\" inside a brush"},
      {"{\nclassname light\n}\n", "line 2: line of unknown kind"},
      {"{\n\"classname\" \"light\"\n", "the text ends inside an entity"},
  };
  for (const Case& c : cases) {
    ParsedMap map = ParseMapText(c.text);
    ASSERT_FALSE(map.errors.empty()) << c.text;
    EXPECT_EQ(map.errors.front(), c.error) << c.text;
  }
}

}  // namespace
}  // namespace cw::formats
