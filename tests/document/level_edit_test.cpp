#include "document/level_edit.h"

#include <gtest/gtest.h>

namespace cw::document {
namespace {

using Lines = std::vector<std::string>;

TEST(PlaceBlock, DeletesOnlyTheCellsFirstRecordAndAppends) {
  Level level;
  level.BlockList = {"0 1 1 0 A", "0 2 1 0 B", "1 2 1 0 C", "0 3 3 0 D", "0  2 1 4 E"};
  PlaceBlock(level, {0, 2, 1, 5, "F"});
  // The first record of cell (2, 1) on floor 0 goes; the later duplicate and other floors stay.
  EXPECT_EQ(level.BlockList,
            (Lines{"0 1 1 0 A", "1 2 1 0 C", "0 3 3 0 D", "0  2 1 4 E", "0 2 1 5 F"}));
}

TEST(PlaceBlock, ReplacingWithTheSameBlockMovesItsRecordToTheEnd) {
  Level level;
  level.BlockList = {"0 2 1 5 B", "0 0 0 0 A"};
  PlaceBlock(level, {0, 2, 1, 5, "B"});
  EXPECT_EQ(level.BlockList, (Lines{"0 0 0 0 A", "0 2 1 5 B"}));
}

TEST(PlaceBlock, UnknownChangesNothingAndEmptyNameErases) {
  Level level;
  level.BlockList = {"0 2 1 5 B", "0 0 0 0 A"};
  PlaceBlock(level, {0, 2, 1, 0, "Unknown"});
  EXPECT_EQ(level.BlockList, (Lines{"0 2 1 5 B", "0 0 0 0 A"}));
  PlaceBlock(level, {0, 2, 1, 3, ""});
  EXPECT_EQ(level.BlockList, (Lines{"0 0 0 0 A"}));
  PlaceBlock(level, {0, 9, 9, 0, ""});  // erasing an empty cell
  EXPECT_EQ(level.BlockList, (Lines{"0 0 0 0 A"}));
  PlaceBlock(level, {-8, 0, 0, 0, "unknown"});  // only the exact name is refused
  EXPECT_EQ(level.BlockList.back(), "-8 0 0 0 unknown");
}

TEST(FindBlockAt, ReturnsTheFirstFullRecordOfTheCell) {
  Level level;
  level.BlockList = {"1 2 3", "1 2 3 6 Door", "1 2 3 1 Wall"};
  EXPECT_EQ(FindBlockAt(level, {1, 2, 3}), (BlockRecord{1, 2, 3, 6, "Door"}));
  EXPECT_EQ(FindBlockAt(level, {0, 2, 3}), std::nullopt);
}

TEST(ToggleLink, LinksAreDirectedAndToggle) {
  Level level;
  const LinkRecord ab{0, 0, 0, 0, 2, 0};
  const LinkRecord ba{0, 2, 0, 0, 0, 0};
  EXPECT_EQ(ToggleLink(level, ab), LinkToggle::kAdded);
  EXPECT_EQ(ToggleLink(level, ba), LinkToggle::kAdded);
  EXPECT_EQ(level.LinkList, (Lines{"0 0 0 0 2 0", "0 2 0 0 0 0"}));
  EXPECT_EQ(ToggleLink(level, ab), LinkToggle::kRemoved);
  EXPECT_EQ(level.LinkList, (Lines{"0 2 0 0 0 0"}));
}

TEST(ToggleLink, SameCellRefusedOnlyOnTheSameFloor) {
  Level level;
  EXPECT_EQ(ToggleLink(level, {0, 3, 4, 0, 3, 4}), LinkToggle::kRefused);
  EXPECT_TRUE(level.LinkList.empty());
  EXPECT_EQ(ToggleLink(level, {0, 3, 4, 1, 3, 4}), LinkToggle::kAdded);
  EXPECT_EQ(level.LinkList, (Lines{"0 3 4 1 3 4"}));
}

TEST(ToggleLink, RemovesTheFirstRecordWithTheSameNumbersWhateverItsSpacing) {
  Level level;
  level.LinkList = {"bad", "0  1 2 0 3 4", "0 1 2 0 3 4"};
  EXPECT_EQ(ToggleLink(level, {0, 1, 2, 0, 3, 4}), LinkToggle::kRemoved);
  EXPECT_EQ(level.LinkList, (Lines{"bad", "0 1 2 0 3 4"}));
}

}  // namespace
}  // namespace cw::document
