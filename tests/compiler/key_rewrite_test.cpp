#include "compiler/key_rewrite.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cw::compiler {
namespace {

using document::BlockRecord;
using document::Cell;

// Rewrites one key line as the entity pass does; a line that is not rewritten comes back as it
// was.
std::string Rewrite(
    const std::string& line, const BlockRecord& record,
    const LinkTaker& takeLink = [](const Cell&) { return std::nullopt; }) {
  const std::optional<KeyLine> key = ParseKeyLine(line);
  if (!key) return line;
  return RewriteKeyLine(*key, PlacementSettings{}, record, takeLink);
}

TEST(KeyRewriteTest, RewritesByKey) {
  // Block "B" at a cell with flags: floor, column, row, flags.
  struct Where {
    std::int32_t floor, column, row, flags;
  };
  const Where c2r3{0, 2, 3, 0};
  const Where c3r4{0, 3, 4, 0};
  const Where below{-1, 3, 4, 0};
  struct Case {
    std::string line;
    Where where;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {R"("origin" "0 0 24")", c2r3, R"("origin" "256 -384 24")"},
      {R"("origin" "64 0 0")", {1, 2, 3, 4}, R"("origin" "256 -320 128")"},
      {R"("origin" "8 16 24" trailing)", c2r3, R"("origin" "264 -368 24")"},
      {R"("angle" "90")", {0, 0, 0, 1}, R"("angle" "90")"},
      {R"("angle" "90")", {0, 0, 0, 2}, R"("angle" "270")"},
      {R"("angle" "-1")", {0, 0, 0, 5}, R"("angle" "-1")"},
      {R"("distance" "-90")", {0, 0, 0, 1}, R"("distance" "90")"},
      {R"("distance" "-90")", {0, 0, 0, 6}, R"("distance" "90")"},
      {R"("distance" "-90")", {0, 0, 0, 3}, R"("distance" "-90")"},
      {R"("distance" "-90")", {0, 0, 0, 4}, R"("distance" "-90")"},
      {R"("distance" "90")", {0, 0, 0, 2}, R"("distance" "90")"},
      {R"("distance" "-2147483648")", {0, 0, 0, 1}, R"("distance" "2147483648")"},
      {R"("targetname" "door")", c3r4, R"("targetname" "door500304")"},
      {R"("targetname" "t0")", c3r4, R"("targetname" "t0500304")"},
      {R"("target" "t0")", c3r4, R"("target" "t0500304")"},
      {R"("target" "t0")", below, R"("target" "t0490304")"},
      {R"("target" "")", c3r4, R"("target" "500304")"},
      {R"("target" "ilamp")", c3r4, R"("target" "ilamp")"},
      {R"("target" "kdoor")", c3r4, R"("target" "kdoor")"},  // no link to take
      // The value runs to the next quote, blanks included, or to the end of the line.
      {R"("targetname" "big door")", c3r4, R"("targetname" "big door500304")"},
      {R"("target" "ibig lamp")", c3r4, R"("target" "ibig lamp")"},
      {R"("targetname" "open)", c3r4, R"("targetname" "open500304")"},
      {R"("target" "iopen)", c3r4, R"("target" "iopen")"},
      {R"("target" ")", c3r4, R"("target" "500304")"},
      {R"("targetname" "a" "b")", c3r4, R"("targetname" "a500304")"},
      // Case-sensitive kinds: "K" and "I" are local targets.
      {R"("target" "Kx")", c3r4, R"("target" "Kx500304")"},
      {R"("target" "Ix")", c3r4, R"("target" "Ix500304")"},
  };
  for (const Case& c : cases) {
    const BlockRecord record{c.where.floor, c.where.column, c.where.row, c.where.flags, "B"};
    EXPECT_EQ(Rewrite(c.line, record), c.expected) << c.line;
  }
}

TEST(KeyRewriteTest, LinesWrittenUnchanged) {
  const BlockRecord record{0, 3, 4, 7, "B"};
  const char* unchanged[] = {
      R"("Target" "t0")",              // keys compare case-sensitively
      R"("killtarget" "t0")",          // not a recognised key
      R"("angles" "0 90 0")",          //
      R"("classname" "light")",        //
      R"("origin""0 0 0")",            // the key token is the whole run without a blank
      R"("origin" "1 2")",             // too few numbers
      R"("origin" "x 2 3")",           //
      R"("origin" "2147483648 0 0")",  // beyond 32 bits
      R"("angle" "")",                 //
      R"("angle")",                    // ends before the value position
      R"("target")",                   //
      R"("target" )",                  //
      R"("angle"  "90")",              // two blanks move the value off its fixed position
  };
  for (const char* line : unchanged) EXPECT_EQ(Rewrite(line, record), line) << line;
}

TEST(KeyRewriteTest, TwoBlanksBeforeANameLeaveAnEmptyValue) {
  // The fixed position falls on the opening quote, where the value ends at once.
  EXPECT_EQ(Rewrite(R"("target"  "t0")", {0, 3, 4, 0, "B"}), R"("target" "500304")");
}

TEST(KeyRewriteTest, KTargetTakesALinkFromTheBlocksCell) {
  std::vector<Cell> asked;
  const LinkTaker takeLink = [&asked](const Cell& start) -> std::optional<Cell> {
    asked.push_back(start);
    return Cell{1, 5, 6};
  };
  EXPECT_EQ(Rewrite(R"("target" "kanything")", {0, 3, 4, 0, "B"}, takeLink),
            R"("target" "t0510506")");
  EXPECT_EQ(asked, (std::vector<Cell>{{0, 3, 4}}));
  // Only k-targets take links.
  Rewrite(R"("target" "t0")", {0, 3, 4, 0, "B"}, takeLink);
  Rewrite(R"("targetname" "kx")", {0, 3, 4, 0, "B"}, takeLink);
  EXPECT_EQ(asked.size(), 1u);
}

TEST(KeyRewriteTest, KindOfTarget) {
  EXPECT_EQ(KindOfTarget(""), TargetKind::kLocal);
  EXPECT_EQ(KindOfTarget("k"), TargetKind::kLink);
  EXPECT_EQ(KindOfTarget("i"), TargetKind::kUnchanged);
  EXPECT_EQ(KindOfTarget(" k"), TargetKind::kLocal);
  EXPECT_EQ(KindOfTarget("door"), TargetKind::kLocal);
}

}  // namespace
}  // namespace cw::compiler

namespace cw::compiler {
namespace {

TEST(KeyRewriteTest, KeyLinesCutAtEveryPosition) {
  const std::string lines[] = {R"("origin" "10 20 30")", R"("angle" "90")", R"("distance" "-32")",
                               R"("target" "kexit")", R"("targetname" "door")"};
  for (const std::string& line : lines) {
    const std::size_t valuePosition = line.find(' ') + 2;
    for (std::size_t length = 0; length <= line.size(); ++length) {
      const std::string cut = line.substr(0, length);
      const std::optional<KeyLine> key = ParseKeyLine(cut);
      if (length < valuePosition) {
        EXPECT_FALSE(key) << cut;
      } else if (key && (key->kind == KeyKind::kTarget || key->kind == KeyKind::kTargetname)) {
        // A name is whatever stands between the fixed position and the quote or the end.
        EXPECT_EQ(key->value,
                  line.substr(valuePosition, std::min(length, line.size() - 1) - valuePosition))
            << cut;
      }
    }
  }
}

}  // namespace
}  // namespace cw::compiler
