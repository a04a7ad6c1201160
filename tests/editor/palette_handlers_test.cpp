#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "gui_support/editor_test.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class PaletteHandlersTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    WritePicture("Wide", wide);
    ASSERT_TRUE(Start());
  }

  // Every preview shown so far.
  std::vector<QImage>& previews() { return Views().PreviewsShown(); }

  // What the preview would show after drawing these pictures in turn over the previous one.
  QImage PreviewAfter(std::vector<IndexedPicture> pictures) {
    QImage expected = Preview().copy();
    for (const IndexedPicture& picture : pictures)
      for (int y = 0; y < std::min(picture.height, 32); ++y)
        for (int x = 0; x < std::min(picture.width, 32); ++x)
          expected.setPixel(x, y, CanvasColour(picture.At(x, y)));
    return expected;
  }

  IndexedPicture wide = NumberedPicture(20, 10);
};

TEST_F(PaletteHandlersTest, ChoosingAnItemShowsItsNameAndPlainPicture) {
  ChooseItem("A");
  EXPECT_EQ(Label(), "A");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, blockA));
  ChooseItem("B");
  EXPECT_EQ(Label(), "B");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, blockB));
  ChooseItem("");
  EXPECT_EQ(Label(), "");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, empty));
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(PaletteHandlersTest, ChoosingAnItemClearsTheBoxesPreviewingEachChange) {
  ChooseItem("B");
  SetBox(OrientationBox::kXFlip, true);
  SetBox(OrientationBox::kRotate, true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(blockB, 5)));
  previews().clear();
  ChooseItem("A");
  // Plain, then turned by Rotate alone once X flip is cleared, then plain once Rotate is
  // cleared: the event ends with the plain picture.
  ASSERT_EQ(previews().size(), 1u);
  EXPECT_TRUE(ShowsPicture(previews()[0], 0, 0, blockA));
  for (OrientationBox box :
       {OrientationBox::kXFlip, OrientationBox::kYFlip, OrientationBox::kRotate})
    EXPECT_FALSE(BoxChecked(box));
}

TEST_F(PaletteHandlersTest, EveryChangeOfABoxPreviewsThePictureTurnedByAllBoxes) {
  ChooseItem("A");
  struct Step {
    OrientationBox box;
    bool checked;
    int flags;
  } steps[] = {
      {OrientationBox::kRotate, true, 4}, {OrientationBox::kXFlip, true, 5},
      {OrientationBox::kYFlip, true, 7},  {OrientationBox::kRotate, false, 3},
      {OrientationBox::kXFlip, false, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.flags);
    previews().clear();
    SetBox(step.box, step.checked);
    EXPECT_EQ(Orientation(), step.flags);
    ASSERT_EQ(previews().size(), 1u);
    EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(blockA, step.flags)));
  }
  previews().clear();
  SetBox(OrientationBox::kYFlip, true);  // no change of state, no preview
  EXPECT_TRUE(previews().empty());
  EXPECT_EQ(Label(), "A");
}

TEST_F(PaletteHandlersTest, APictureThatIsNotSquareIgnoresRotateAndKeepsThePreviewAroundIt) {
  ChooseItem("A");
  const QImage before = Preview().copy();
  ChooseItem("Wide");
  EXPECT_EQ(Preview(), PreviewAfter({wide}));  // A stays visible below the smaller picture
  SetBox(OrientationBox::kRotate, true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, wide));
  SetBox(OrientationBox::kXFlip, true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(wide, 1)));
  EXPECT_EQ(Preview().pixel(5, 15), before.pixel(5, 15));
  EXPECT_EQ(Preview().pixel(25, 5), before.pixel(25, 5));
}

TEST_F(PaletteHandlersTest, TheEmptyItemPreviewsTheEmptyPictureTurned) {
  const IndexedPicture numberedEmpty = NumberedPicture(32, 32);
  WritePicture("Empty", numberedEmpty);
  SetBox(OrientationBox::kRotate, true);
  EXPECT_EQ(Editor().SelectedItemText(), "");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(numberedEmpty, 4)));
}

TEST_F(PaletteHandlersTest, AMissingPictureIsPreviewedAsUnknownAndToldOnceUntilItLoads) {
  ChooseItem("A");
  SetBox(OrientationBox::kXFlip, true);
  std::filesystem::remove(Folder() / "B.bmp");
  ChooseItem("B");
  // The handler goes on: the label, the Unknown picture in the preview, the boxes cleared.
  EXPECT_EQ(Label(), "B");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, unknown));
  EXPECT_FALSE(BoxChecked(OrientationBox::kXFlip));
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors().front().startsWith("The picture B.bmp cannot be loaded"))
      << Errors()[0].toStdString();
  // Told once: a box that previews it again says nothing more.
  SetBox(OrientationBox::kYFlip, true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(unknown, 2)));
  EXPECT_EQ(Errors().size(), 1);
  // Once it loads again it shows, and a new failure is told again.
  WritePicture("B", blockB);
  SetBox(OrientationBox::kYFlip, false);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, blockB));
  std::filesystem::remove(Folder() / "B.bmp");
  SetBox(OrientationBox::kYFlip, true);
  EXPECT_EQ(Errors().size(), 2);
}

}  // namespace
}  // namespace cw::editor
