// Every painting, region and fill command is one step: its edits, reverted last first, give back
// the level exactly, and done again give the level it made, one by one or in one go.
#include <gtest/gtest.h>

#include <string_view>

#include "document/edit_batch.h"
#include "editor/family_painting.h"
#include "editor/fill.h"
#include "editor/painting_test_support.h"
#include "editor/region_copy.h"
#include "editor/region_transform.h"

namespace cw::editor {
namespace {

using Edits = std::vector<document::ListEdit>;

TEST(PaintingUndo, RevertingACommandsEditsLastFirstGivesTheLevelBackExactly) {
  const FamilySet families{{testing::ShapesFamily()}, 0};
  const Family& line = families.families[0];
  const document::Level original = testing::MakeLevel(
      {"0 0 0 0 X", "0 1 0 4 Alone", "1 1 1 0 X", "0 2 2 0 End", "0 1 0 0 Y", "0  3 3 1 Z"},
      {"0 0 0 0 2 2", "0 2 2 1 1 1", "0 1 0 0 0 0", "0 1 1 0 2 2"});
  const Grid grid{6, 6};
  const auto run = [&](std::string_view command, document::Level& l) -> Edits {
    if (command == "paint") return PaintFamily(l, families, line, {0, 2, 1});
    if (command == "paint over") return PaintFamily(l, families, line, {0, 0, 0});
    if (command == "erase") return EraseFamilyCell(l, families, {0, 2, 2});
    if (command == "fill block") return FillBlock(l, {0, 4, 4}, 5, "F", grid);
    if (command == "fill family") return FillFamily(l, families, line, {0, 4, 4}, grid);
    if (command == "delete") return EraseRegion(l, {0, 0, 0, 3, 3});
    if (command == "paste") return PasteRegion(l, CopyRegion(l, {0, 0, 0, 3, 3}), {1, 1, 0}, grid);
    if (command == "turn") return TurnRegion(l, {0, 0, 0, 3, 4}, document::kRotate, grid);
    return TurnRegion(l, {0, 0, 0, 4, 3}, document::kFlipX, grid);
  };
  for (const char* name : {"paint", "paint over", "erase", "fill block", "fill family", "delete",
                           "paste", "turn", "mirror"}) {
    document::Level level = original;
    const Edits edits = run(name, level);
    const document::Level done = level;
    EXPECT_NE(testing::Lists(done), testing::Lists(original)) << name;
    testing::Revert(level, edits);
    EXPECT_EQ(testing::Lists(level), testing::Lists(original)) << name;
    for (const document::ListEdit& edit : edits) document::ApplyEdit(level, edit);
    EXPECT_EQ(testing::Lists(level), testing::Lists(done)) << name;
    // The same in one go, deletions at falling indices in one pass each.
    document::RevertEdits(level, edits);
    EXPECT_EQ(testing::Lists(level), testing::Lists(original)) << name;
    document::ApplyEdits(level, edits);
    EXPECT_EQ(testing::Lists(level), testing::Lists(done)) << name;
  }
}

}  // namespace
}  // namespace cw::editor
