// The lines of a level file: block records, and link records after ":".
#include "formats/level_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cw::formats {
namespace {

using Lines = std::vector<std::string>;

TEST(LevelFileLinesTest, LinesSortedIntoTheTwoListsInFileOrder) {
  const LevelFileLines records =
      ReadLevelFileLines(":1 2 3 1 4 5\n0 0 0 0 B\n\n:0 0 0 0 1 1\r\n0 1 1 1 C");
  EXPECT_EQ(records.blocks, (Lines{"0 0 0 0 B", "", "0 1 1 1 C"}));
  EXPECT_EQ(records.links, (Lines{"1 2 3 1 4 5", "0 0 0 0 1 1"}));
}

TEST(LevelFileLinesTest, CarriageReturnsDroppedAndCtrlZEndsTheFile) {
  const LevelFileLines crlf = ReadLevelFileLines("0 0 0 0 B\r\n:0 0 0 0 1 1\r\n");
  const LevelFileLines lf = ReadLevelFileLines("0 0 0 0 B\n:0 0 0 0 1 1\n");
  EXPECT_EQ(crlf.blocks, lf.blocks);
  EXPECT_EQ(crlf.links, lf.links);
  EXPECT_EQ(ReadLevelFileLines("0 0\r0 0 B\r\r\n").blocks, (Lines{"0 00 0 B"}));
  EXPECT_EQ(ReadLevelFileLines("0 0 0 0 B\n1 1 1 1 C\x1a\n2 2 2 2 D\n").blocks,
            (Lines{"0 0 0 0 B", "1 1 1 1 C"}));
  EXPECT_TRUE(ReadLevelFileLines("\x1a"
                                 "0 0 0 0 B\n")
                  .blocks.empty());
  EXPECT_TRUE(ReadLevelFileLines("").blocks.empty());
  EXPECT_EQ(ReadLevelFileLines("\n").blocks, (Lines{""}));
  EXPECT_EQ(ReadLevelFileLines(":\n").links, (Lines{""}));
}

TEST(LevelFileLinesTest, LinesOfAnyLengthAreReadWhole) {
  for (std::size_t length : {118u, 119u, 120u, 5000u}) {
    const std::string name(length, 'n');
    const LevelFileLines withEnd = ReadLevelFileLines("0 0 0 0 A\n" + name + "\n0 1 1 0 B\n");
    EXPECT_EQ(withEnd.blocks, (Lines{"0 0 0 0 A", name, "0 1 1 0 B"})) << length;
    EXPECT_EQ(ReadLevelFileLines("0 0 0 0 A\n" + name).blocks, (Lines{"0 0 0 0 A", name}))
        << length;
  }
}

}  // namespace
}  // namespace cw::formats
