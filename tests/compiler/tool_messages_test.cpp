// The map lines named in the messages of both families of Quake compile tools.
#include "compiler/tool_messages.h"

#include <gtest/gtest.h>

namespace cw::compiler {
namespace {

TEST(ToolMessagesTest, MapLinesOfBothToolFamilies) {
  struct Case {
    const char* message;
    std::optional<std::size_t> line;
  } cases[] = {
      // ericw-tools 2: a source location "FILE[line N]".
      {"WARNING: /home/me/works/Demo.map[line 1234]: Brush plane with no normal", 1234},
      {"WARNING: C:\\quake\\works\\Demo.map[line 7]: line 99: mixed", 7},
      {"ERROR: works/Demo.map[line 12]: Expected '(' got 'x'", 12},
      // ericw-tools 0.x and tyrutils.
      {"*** WARNING 03: line 88: Brush with duplicate plane", 88},
      {"*** WARNING 08: Line 42: Point (1.000 2.000 3.000) off plane by 0.5000", 42},
      // id's qbsp and qbsp3.
      {"************ ERROR ************", std::nullopt},
      {"Line 1650 is incomplete", 1650},
      {"Token too large on line 19", 19},
      // Messages without a map line.
      {"Entity 0, Brush 12: duplicate plane", std::nullopt},
      {"   1184 brushes", std::nullopt},
      {"Outline 12 drawn", std::nullopt},
      {"lines 12 to 14", std::nullopt},
      {"line 12a is odd", std::nullopt},
      {"line", std::nullopt},
      {"[line ]", std::nullopt},
      {"", std::nullopt},
      {"line 99999999999999999999999999 overflows", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(MapLineInMessage(c.message), c.line) << c.message;
}

}  // namespace
}  // namespace cw::compiler
