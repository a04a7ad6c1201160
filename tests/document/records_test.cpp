#include "document/records.h"

#include <gtest/gtest.h>

#include <optional>

namespace cw::document {
namespace {

struct BlockCase {
  const char* text;
  std::optional<BlockRecord> expected;
};

TEST(BlockRecordParse, ReadsLikeScanfWithTheRecordPattern) {
  const BlockCase cases[] = {
      {"0 2 1 5 B", BlockRecord{0, 2, 1, 5, "B"}},
      {"-1 12 3 5 B", BlockRecord{-1, 12, 3, 5, "B"}},
      {"  0\t2  1 \v5\fWall", BlockRecord{0, 2, 1, 5, "Wall"}},  // any white space between fields
      {"+3 +4 +5 +6 X", BlockRecord{3, 4, 5, 6, "X"}},           // %d takes a plus sign
      {"0 2 1 5 Wall door", BlockRecord{0, 2, 1, 5, "Wall"}},    // the name is one word
      {"0 2 1 5 B\r", BlockRecord{0, 2, 1, 5, "B"}},
      {"1-2-3-4 N", BlockRecord{1, -2, -3, -4, "N"}},  // no blank needed before a sign
      {"007 08 09 1 B", BlockRecord{7, 8, 9, 1, "B"}},
      {"2147483647 -2147483648 0 0 B", BlockRecord{2147483647, -2147483648, 0, 0, "B"}},
      {"0 0 0 0 ", std::nullopt},  // no name
      {"", std::nullopt},          // the empty record of a blank line
      {"0 0 0 B", std::nullopt},   // a field missing
      {"a 0 0 0 B", std::nullopt},
      {"0 0 - 0 B", std::nullopt},  // a sign alone is no number
      {"2147483648 0 0 0 B", std::nullopt},
      {"-2147483649 0 0 0 B", std::nullopt},
      {"0 0 99999999999999999999999999999999999999 0 B", std::nullopt},
      {"0 0\0 0 0 B", std::nullopt},  // a NUL ends the text as in C
  };
  for (const BlockCase& c : cases) {
    EXPECT_EQ(ParseBlockRecord(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(BlockRecordParse, NulInsideTheTextEndsIt) {
  const std::string text("0 1 2 3 AB\0CD", 13);
  EXPECT_EQ(ParseBlockRecord(text), (BlockRecord{0, 1, 2, 3, "AB"}));
  EXPECT_EQ(ParseCell(std::string("4 \0 5 6", 7)), std::nullopt);
}

TEST(CellParse, ReadsTheFirstThreeNumbersOfAnyRecord) {
  EXPECT_EQ(ParseCell("0 2 1 5 B"), (Cell{0, 2, 1}));
  EXPECT_EQ(ParseCell("0  2   1"), (Cell{0, 2, 1}));
  EXPECT_EQ(ParseCell("-8 0 31 garbage"), (Cell{-8, 0, 31}));
  EXPECT_EQ(ParseCell("0 2"), std::nullopt);
  EXPECT_EQ(ParseCell("0 2 x"), std::nullopt);
}

TEST(LinkRecordParse, NeedsAllSixNumbers) {
  EXPECT_EQ(ParseLinkRecord("0 1 2 0 3 4"), (LinkRecord{0, 1, 2, 0, 3, 4}));
  EXPECT_EQ(ParseLinkRecord(" 0 1 2 1 -1 40 trailing"), (LinkRecord{0, 1, 2, 1, -1, 40}));
  EXPECT_EQ(ParseLinkRecord("0 1 2 0 3"), std::nullopt);
  EXPECT_EQ(ParseLinkRecord("/0 1 2 0 3 4"), std::nullopt);  // a consumed mark is not a number
  EXPECT_EQ(ParseLinkRecord("0 1 2 0 3 4294967296"), std::nullopt);
}

TEST(RecordFormat, SingleBlanksDecimalWithMinusSign) {
  EXPECT_EQ(FormatBlockRecord({-1, 12, 3, 5, "B"}), "-1 12 3 5 B");
  EXPECT_EQ(FormatBlockRecord({-2147483647 - 1, 0, 0, 7, "Long_name_of_many_chars"}),
            "-2147483648 0 0 7 Long_name_of_many_chars");
  EXPECT_EQ(FormatLinkRecord({0, 1, 2, -8, -1, 40}), "0 1 2 -8 -1 40");
  const BlockRecord spaced{0, 3, 4, 0, "two words"};
  // A name with a blank is written whole but reads back as its first word.
  EXPECT_EQ(ParseBlockRecord(FormatBlockRecord(spaced))->name, "two");
}

TEST(FloorFilter, TellsTheRecordsOfAFloorAsTheirFirstNumberReads) {
  struct Case {
    const char* record;
    std::int32_t floor;
    bool holds;
  };
  const Case cases[] = {
      {"3 1 1 0 B", 3, true},
      {"3 1 1 0 B", -3, false},
      {"-3 1 1 0 B", -3, true},
      {"31 1 1 0 B", 3, false},
      {"-31 1 1 0 B", -3, false},
      {"3", 3, true},
      {"3abc", 3, true},
      {"03 1 1 0 B", 3, true},
      {"+3 1 1 0 B", 3, true},
      {"  3 1 1 0 B", 3, true},
      {"\t-3 1", -3, true},
      {"0 1 1 0 B", 0, true},
      {"00 1 1 0 B", 0, true},
      {"-0 1 1 0 B", 0, true},
      {"0 1 1 0 B", 7, false},
      {"", 0, false},
      {"-", 0, false},
      {"B 1 1 0 3", 3, false},
      {"2147483647 0", 2147483647, true},
      {"21474836470 0", 2147483647, false},
      {"-2147483648 0", -2147483647 - 1, true},
      {"2147483648 0", -2147483647 - 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloorFilter(c.floor).Holds(c.record), c.holds) << c.record << " on " << c.floor;
  }
}

}  // namespace
}  // namespace cw::document
