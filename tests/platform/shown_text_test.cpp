#include "platform/shown_text.h"

#include <gtest/gtest.h>

#include "platform/io_result.h"

namespace cw::platform {
namespace {

TEST(ShownText, ControlCharactersAndNulAreEscapedAndNothingIsCut) {
  const struct {
    std::string raw;
    std::string shown;
  } cases[] = {
      {"Wall", "Wall"},
      {std::string("A\0B", 3), "A\\0B"},
      {"bell\a back\b esc\x1b[31m tab\t cr\r del\x7f",
       "bell\\x07 back\\x08 esc\\x1b[31m tab\\x09 cr\\x0d del\\x7f"},
      {"C:\\GAMES\\WORKS \"q\" \xc3\xa9", "C:\\GAMES\\WORKS \"q\" \xc3\xa9"},  // kept as they are
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShownText(c.raw), c.shown);
    EXPECT_EQ(QuotedText(c.raw), "\"" + c.shown + "\"");
  }
  EXPECT_EQ(ErrnoMessage(std::string("a\0\x1b.pwl", 7), ENOENT),
            "a\\0\\x1b.pwl: No such file or directory");
}

}  // namespace
}  // namespace cw::platform
