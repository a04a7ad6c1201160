#include "pictures/template_check.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::pictures {
namespace {

const std::string kHead = "{\r\n\"classname\" \"worldspawn\"\r\n";
const std::string kBrush =
    "{\r\n( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) stone 0 0 0 1 1\r\n( 8 0 8 ) ( 8 8 0 ) ( 8 0 0 ) stone 0 0 "
    "0 "
    "1 1\r\n}\r\n";

TEST(TemplateCheckTest, ASoundTemplateHasNoProblems) {
  std::string text = kHead + "// a comment\r\n" + kBrush + "}\r\n{\r\n\"classname\" \"light\"\r\n" +
                     "\"origin\" \"0 -8 88\"\r\n\"angle\" \"-1\"\r\n}\r\n";
  EXPECT_TRUE(CheckTemplateText(text).empty()) << CheckTemplateText(text).front();
  // A world entity without brushes, and lines of any length, as the compiler reads them.
  EXPECT_TRUE(CheckTemplateText(kHead + "}\r\n").empty());
  EXPECT_TRUE(CheckTemplateText(kHead + "// " + std::string(500, 'x') + "\r\n}\r\n").empty());
}

TEST(TemplateCheckTest, ReportsWhatTheCompilerWouldMisread) {
  struct Case {
    std::string text;
    const char* problem;
  };
  const Case cases[] = {
      {"\"classname\" \"worldspawn\"\r\n{\r\n}\r\n",
       "line 1: a template opens with \"{\" and \"classname\" \"worldspawn\""},
      {kHead + " ( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) stone 0 0 0 1 1\r\n}\r\n",
       "line 3: indented: the line is copied unchanged and its points are never placed"},
      {kHead + "}\r\n{\r\n\"classname\"  \"light\"\r\n}\r\n",
       "line 5: a key line must read \"key\" \"value\" with one blank"},
      {kHead + "}\r\n{\r\n\"classname\"\t\"light\"\r\n}\r\n",
       "line 5: a key line must read \"key\" \"value\" with one blank"},
      {kHead + "}\r\n{\r\n\"origin\" \"0 0\"\r\n}\r\n",
       "line 5: \"origin\" must hold three whole numbers"},
      {kHead + "}\r\n{\r\n\"angle\" \"90.5\"\r\n}\r\n",
       "line 5: \"angle\" must hold a whole number"},
      {kHead + "{\r\n( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) stone 0 0 0 1\r\n}\r\n}\r\n",
       "line 4: a face line must read ( x y z ) ( x y z ) ( x y z ) TEXTURE xoff yoff rotation "
       "xscale yscale"},
      {kHead + "{\r\n( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) stone 0 0 0 1 1 0 1\r\n}\r\n}\r\n",
       "line 4: after its scales a face line holds nothing or three whole numbers: contents, "
       "surface flags and value"},
      {kHead + "{\r\n( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) walls/stone 0 0 0 1 1\r\n}\r\n}\r\n",
       "line 4: texture name \"walls/stone\" is longer than 15 or holds \"/\""},
      {kHead + "{\r\n( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) a_very_long_stone 0 0 0 1 1\r\n}\r\n}\r\n",
       "line 4: texture name \"a_very_long_stone\" is longer than 15 or holds \"/\""},
      {kHead + kBrush, "the world entity is never closed"},
      {kHead + "}\r\nclassname light\r\n",
       "line 4: not an opening, closing, face, key or comment line"},
  };
  for (const Case& c : cases) {
    auto problems = CheckTemplateText(c.text);
    ASSERT_EQ(problems.size(), 1u) << c.text;
    EXPECT_EQ(problems.front(), c.problem) << c.text;
  }
}

}  // namespace
}  // namespace cw::pictures
