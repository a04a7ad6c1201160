#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <vector>

#include "forms/tool_box_form.h"
#include "gui_support/editor_fixture.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class PaletteHandlersTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    WritePicture("Wide", wide);
    Start();
    QObject::connect(ToolBox().Image1, &forms::CanvasImage::changed,
                     [this] { previews.push_back(Preview().copy()); });
  }

  // The user's choice of a palette item, with the mouse.
  void ClickItem(const QString& text) {
    const QList<QListWidgetItem*> found = ToolBox().ListBox1->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect place = ToolBox().ListBox1->visualItemRect(found.front());
    QTest::mouseClick(ToolBox().ListBox1->viewport(), Qt::LeftButton, {}, place.center());
  }

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
  std::vector<QImage> previews;
};

TEST_F(PaletteHandlersTest, ChoosingAnItemShowsItsNameAndPlainPicture) {
  ClickItem("A");
  EXPECT_EQ(ToolBox().Label1->text(), "A");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, blockA));
  QTest::keyClick(ToolBox().ListBox1, Qt::Key_Down);  // the keyboard chooses too
  EXPECT_EQ(ToolBox().Label1->text(), "B");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, blockB));
  QTest::keyClick(ToolBox().ListBox1, Qt::Key_Home);
  EXPECT_EQ(ToolBox().Label1->text(), "");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, empty));
  EXPECT_TRUE(recorded.errors.isEmpty());
}

TEST_F(PaletteHandlersTest, ChoosingAnItemClearsTheBoxesPreviewingEachChange) {
  ClickItem("B");
  ToolBox().CheckBox1->setChecked(true);
  ToolBox().CheckBox3->setChecked(true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(blockB, 5)));
  previews.clear();
  ClickItem("A");
  // Plain, then turned by Rotate alone once X flip is cleared, then plain once Rotate is
  // cleared; clearing the unchecked Y flip draws nothing.
  ASSERT_EQ(previews.size(), 3u);
  EXPECT_TRUE(ShowsPicture(previews[0], 0, 0, blockA));
  EXPECT_TRUE(ShowsPicture(previews[1], 0, 0, OrientedByTable(blockA, 4)));
  EXPECT_TRUE(ShowsPicture(previews[2], 0, 0, blockA));
  for (QCheckBox* box : {ToolBox().CheckBox1, ToolBox().CheckBox2, ToolBox().CheckBox3})
    EXPECT_FALSE(box->isChecked());
}

TEST_F(PaletteHandlersTest, EveryChangeOfABoxPreviewsThePictureTurnedByAllBoxes) {
  ClickItem("A");
  struct Step {
    QCheckBox* box;
    bool checked;
    int flags;
  } steps[] = {
      {ToolBox().CheckBox3, true, 4},  {ToolBox().CheckBox1, true, 5},
      {ToolBox().CheckBox2, true, 7},  {ToolBox().CheckBox3, false, 3},
      {ToolBox().CheckBox1, false, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.flags);
    previews.clear();
    step.box->setChecked(step.checked);
    EXPECT_EQ(editor.CurrentOrientation(), step.flags);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(blockA, step.flags)));
  }
  previews.clear();
  ToolBox().CheckBox2->setChecked(true);  // no change of state, no preview
  EXPECT_TRUE(previews.empty());
  EXPECT_EQ(ToolBox().Label1->text(), "A");
}

TEST_F(PaletteHandlersTest, APictureThatIsNotSquareIgnoresRotateAndKeepsThePreviewAroundIt) {
  ClickItem("A");
  const QImage before = Preview().copy();
  ClickItem("Wide");
  EXPECT_EQ(Preview(), PreviewAfter({wide}));  // A stays visible below the smaller picture
  ToolBox().CheckBox3->setChecked(true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, wide));
  ToolBox().CheckBox1->setChecked(true);
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(wide, 1)));
  EXPECT_EQ(Preview().pixel(5, 15), before.pixel(5, 15));
  EXPECT_EQ(Preview().pixel(25, 5), before.pixel(25, 5));
}

TEST_F(PaletteHandlersTest, TheEmptyItemPreviewsTheEmptyPictureTurned) {
  const IndexedPicture numberedEmpty = NumberedPicture(32, 32);
  WritePicture("Empty", numberedEmpty);
  ToolBox().CheckBox3->setChecked(true);
  EXPECT_EQ(editor.SelectedItemText(), "");
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, OrientedByTable(numberedEmpty, 4)));
}

TEST_F(PaletteHandlersTest, AMissingPictureStopsTheHandlerAfterWhatItAlreadyDid) {
  ClickItem("A");
  ToolBox().CheckBox1->setChecked(true);
  const QImage shown = Preview().copy();
  std::filesystem::remove(folder.path() / "B.bmp");
  ClickItem("B");
  // The label shows the new name; the preview and the boxes stay as they were.
  EXPECT_EQ(ToolBox().Label1->text(), "B");
  EXPECT_EQ(Preview(), shown);
  EXPECT_TRUE(ToolBox().CheckBox1->isChecked());
  EXPECT_EQ(recorded.errors, QStringList({"Impossible d'ouvrir le fichier B.bmp."}));

  // A box changes state even when its preview fails.
  ToolBox().CheckBox2->setChecked(true);
  EXPECT_TRUE(ToolBox().CheckBox2->isChecked());
  EXPECT_EQ(Preview(), shown);
  EXPECT_EQ(recorded.errors.size(), 2);
}

}  // namespace
}  // namespace cw::editor
