#include "document/records.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>

#include "document/scanner.h"

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

TEST(ScannerFloat, ReadsLikeStrtofWhateverTheLocale) {
  struct FloatCase {
    const char* text;
    bool ok;
    float value;
    std::size_t used;
  };
  const FloatCase cases[] = {
      {"1", true, 1.0f, 1},      {" -0.5 2", true, -0.5f, 5}, {"0.3", true, 0.3f, 3},
      {"0.1", true, 0.1f, 3},    {"+2.", true, 2.0f, 3},      {".5x", true, 0.5f, 2},
      {"1e3", true, 1000.0f, 3}, {"1e", true, 1.0f, 1},       {"0x10", true, 16.0f, 4},
      {"1,5", true, 1.0f, 1},    {"abc", false, 0.0f, 0},     {"", false, 0.0f, 0},
      {"-", false, 0.0f, 0},
  };
  for (const FloatCase& c : cases) {
    Scanner scan(c.text);
    float value = -7.0f;
    EXPECT_EQ(scan.Float(value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
      EXPECT_EQ(scan.Position(), c.used) << c.text;
    } else {
      EXPECT_EQ(scan.Position(), 0u) << c.text;
    }
  }
  float value = 0;
  Scanner huge("1e40");
  ASSERT_TRUE(huge.Float(value));
  EXPECT_TRUE(std::isinf(value));
  Scanner nan("nan");
  ASSERT_TRUE(nan.Float(value));
  EXPECT_TRUE(std::isnan(value));
}

TEST(ScannerFloat, IgnoresACommaDecimalLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
    if (std::setlocale(LC_NUMERIC, name)) break;
  }
  Scanner scan("2.5");
  float value = 0;
  EXPECT_TRUE(scan.Float(value));
  EXPECT_EQ(value, 2.5f);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ScannerInt, FailureLeavesThePositionAndToken) {
  Scanner scan("  12 x 5");
  std::int32_t value = 0;
  std::string token;
  ASSERT_TRUE(scan.Int(value));
  EXPECT_EQ(value, 12);
  EXPECT_FALSE(scan.Int(value));
  EXPECT_EQ(scan.Rest(), " x 5");
  ASSERT_TRUE(scan.Token(token));
  EXPECT_EQ(token, "x");
  ASSERT_TRUE(scan.Int(value));
  EXPECT_EQ(value, 5);
  EXPECT_FALSE(scan.Token(token));
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
