// Hostile level files drawn on the floor view: records that do not parse are skipped, names
// without a picture show the Unknown picture, cells far outside the canvas show nothing, and the
// same level always draws the same floor.
#include <gtest/gtest.h>

#include "document/level_file.h"
#include "gui_support/editor_test.h"
#include "support/hostile_inputs.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class HostileLevelsTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    ASSERT_TRUE(Start());
  }
};

TEST_F(HostileLevelsTest, EveryHostileLevelDrawsTheSameFloorEveryTimeWithoutAnError) {
  for (const HostileInput& input : HostileLevelFiles()) {
    SCOPED_TRACE(input.name);
    const document::Level records = document::ParseLevelFileText(input.bytes);
    BlockList() = records.BlockList;
    LinkList() = records.LinkList;
    for (int floor : {-8, 0, 7}) {
      SetFloor(floor);
      Editor().RunHandler([&] { Editor().RedrawFloor(); });
      const QImage first = Canvas().copy();
      Editor().RunHandler([&] { Editor().RedrawFloor(); });
      EXPECT_EQ(Canvas(), first) << floor;
      EXPECT_EQ(State().FloorSnapshot, Canvas()) << floor;
    }
    EXPECT_TRUE(Errors().isEmpty()) << Errors().join("\n").toStdString();
    EXPECT_EQ(BlockList(), records.BlockList) << "drawing changes no record";
  }
}

TEST_F(HostileLevelsTest, RecordsAtTheLimitsOfTheirNumbersDrawNothingOutsideTheCanvas) {
  BlockList() = {"0 -2147483648 -2147483648 7 A",
                 "0 2147483647 2147483647 5 A",
                 "0 -1 0 0 A",
                 "0 0 -1 0 A",
                 "0 32 0 0 A",
                 "0 0 32 0 A",
                 "0 67108864 0 0 A",
                 "0 -67108864 0 0 A"};
  Editor().RunHandler([&] { Editor().RedrawFloor(); });
  EXPECT_TRUE(Errors().isEmpty());
  for (int y = 0; y < 1024; y += 31)
    for (int x = 0; x < 1024; x += 31)
      ASSERT_EQ(Canvas().pixel(x, y), CanvasColour(1)) << x << "," << y;
}

}  // namespace
}  // namespace cw::editor
