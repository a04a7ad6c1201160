#include "compiler/template_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cw::compiler {
namespace {

using Lines = std::vector<std::string>;

TEST(TemplateReaderTest, SplitsByTheDepthRule) {
  struct Case {
    const char* what;
    Lines lines;
    Lines worldspawn;
    Lines entities;
  } cases[] = {
      {"brushes, then entities",
       {"{", "\"classname\" \"worldspawn\"", "{", "( face", "}", "}", "{", "\"classname\" \"x\"",
        "}"},
       {"{", "( face", "}"},
       {"{", "\"classname\" \"x\"", "}"}},
      {"world entity without brushes",
       {"{", "\"classname\" \"worldspawn\"", "}", "{", "\"a\" \"b\"", "}"},
       {},
       {"{", "\"a\" \"b\"", "}"}},
      {"lines 1 and 2 are skipped whatever they hold",
       {"}", "}", "// kept", "}", "after"},
       {"// kept"},
       {"after"}},
      {"world entity never closes",
       {"{", "\"classname\" \"worldspawn\"", "{", "( face", "}", "{"},
       {"{", "( face", "}", "{"},
       {}},
      {"only by the first character",
       {"{", "c", " }", "\"k\" \"}\"", "x}", "}", " { "},
       {" }", "\"k\" \"}\"", "x}"},
       {" { "}},
      {"entity section taken without depth counting",
       {"{", "c", "}", "}", "}", "{", "{"},
       {},
       {"}", "}", "{", "{"}},
      {"nested brushes keep the world entity open",
       {"{", "c", "{", "{", "}", "}", "}", "tail"},
       {"{", "{", "}", "}"},
       {"tail"}},
      {"fewer than three lines", {"{", "c"}, {}, {}},
      {"empty template", {}, {}, {}},
  };
  for (const auto& c : cases) {
    const TemplateSections sections = SplitTemplateSections(c.lines);
    EXPECT_EQ(sections.worldspawn, c.worldspawn) << c.what;
    EXPECT_EQ(sections.entities, c.entities) << c.what;
  }
}

TEST(TemplateReaderTest, ReadsFileBytesLikeEveryTextReader) {
  const std::string longLine = "// " + std::string(5000, 'x');
  const std::string bytes = "{\r\n\"classname\" \"worldspawn\"\r\n{\r\n" + longLine +
                            "\r\n}\r\n}\r\n{\r\n\"a\" \"b\"\r\n}\x1a\r\n\"after\" \"eof\"\r\n";
  const TemplateSections sections = ReadTemplateSections(bytes);
  EXPECT_EQ(sections.worldspawn, (Lines{"{", longLine, "}"}));
  // Ctrl-Z ends the file: the entity keeps its closing line and nothing after it is read.
  EXPECT_EQ(sections.entities, (Lines{"{", "\"a\" \"b\"", "}"}));
}

}  // namespace
}  // namespace cw::compiler
