#include "forms/start_up.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "gui_support/editor_test.h"
#include "real_windows.h"
#include "support/test_files.h"

namespace cw::forms {
namespace {

using namespace cw::testing;

// The pixels that differ from the background, as their bounding box.
QRect ChangedBox(const QImage& canvas, QRgb background) {
  QRect box;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

class StartUpTest : public EditorTest {
 protected:
  StartUpTest() : EditorTest(MakeRealWindows()) {}
  TForm1& ToolBox() { return Real().Form1(); }
  TForm2& FloorView() { return Real().Form2(); }
  TForm3* About() { return Real().Form3(); }
  RealWindows& Real() { return static_cast<RealWindows&>(Windows()); }
};

TEST_F(StartUpTest, StartsWithTheInitialStateOfAnEmptyLevel) {
  WriteStandardPictures();
  ASSERT_TRUE(Start());
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 0    NoName");
  EXPECT_EQ(ToolBox().Links->text(), "Links  total 0");
  EXPECT_FALSE(ToolBox().Links->isChecked());
  EXPECT_EQ(Editor().Level().DocumentName, "NoName");
  EXPECT_TRUE(BlockList().empty());
  EXPECT_TRUE(LinkList().empty());
  EXPECT_EQ(PaletteItems(), QStringList({"", "A", "B", "Unknown"}));
  EXPECT_EQ(ToolBox().ListBox1->currentRow(), 0);
  EXPECT_EQ(ToolBox().Label1->text(), "");
  EXPECT_EQ(ToolBox().UpDown1->value(), 0);
  for (QCheckBox* box : {ToolBox().CheckBox1, ToolBox().CheckBox2, ToolBox().CheckBox3})
    EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(ShowsPicture(Preview(), 0, 0, empty));
  EXPECT_EQ(State().MarkerColumn, 0);
  EXPECT_EQ(State().MarkerRow, 0);
  EXPECT_FALSE(State().drag.LinkDragActive);
  EXPECT_TRUE(State().FloorSnapshot.isNull());
  EXPECT_TRUE(Errors().isEmpty());
  ASSERT_TRUE(About());
  EXPECT_EQ(About()->Memo1->toPlainText().split('\n').size(), 11);
}

TEST_F(StartUpTest, CoversTheCanvasWithTilesAndDrawsTheMarkerOnCellZero) {
  WriteStandardPictures();
  ASSERT_TRUE(Start());
  const QImage& canvas = Canvas();
  ASSERT_EQ(canvas.size(), QSize(1024, 1024));
  EXPECT_EQ(canvas.format(), QImage::Format_RGB32);
  // Only the marker ring around cell (0, 0) differs from the tiles: it reaches 6 pixels beyond
  // the cell, cut at the canvas's edges, and leaves the cell's centre alone.
  EXPECT_EQ(ChangedBox(canvas, CanvasColour(1)), QRect(QPoint(0, 0), QPoint(37, 37)));
  EXPECT_EQ(canvas.pixel(16, 16), CanvasColour(1));
  EXPECT_EQ(FloorView().Image1->size(), QSize(1024, 1024));
}

TEST_F(StartUpTest, SettingsSizeTheCanvasAndKeepTheBlockValuesForBuild) {
  struct Case {
    const char* ini;
    settings::PlacementSettings block;
    QSize canvas;
  } cases[] = {
      {nullptr, {128, 128, 128, 0, 0}, {1024, 1024}},
      {"[Block]\r\nBx=0x40\r\nBy=$40\r\nBz=abc\r\nOx=-16\r\nOy=7\r\n[Area]\r\nAx=640\r\nAy=320\r\n",
       {64, 64, 128, -16, 7},
       {640, 320}},
      {"[area]\nax=100\n", {128, 128, 128, 0, 0}, {100, 1024}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini ? c.ini : "no settings file");
    if (c.ini) WriteFileBytes(Folder() / "PellEd.ini", c.ini);
    WriteStandardPictures();
    ASSERT_TRUE(Start());
    EXPECT_EQ(State().settings.block.Bx, c.block.Bx);
    EXPECT_EQ(State().settings.block.By, c.block.By);
    EXPECT_EQ(State().settings.block.Bz, c.block.Bz);
    EXPECT_EQ(State().settings.block.Ox, c.block.Ox);
    EXPECT_EQ(State().settings.block.Oy, c.block.Oy);
    EXPECT_EQ(Canvas().size(), c.canvas);
  }
}

TEST_F(StartUpTest, AStripNarrowerThanACellIsNotCovered) {
  WriteFileBytes(Folder() / "PellEd.ini", "[Area]\nAx=100\nAy=70\n");
  WriteStandardPictures();
  ASSERT_TRUE(Start());
  const QImage& canvas = Canvas();
  const QRgb white = QColor(Qt::white).rgb();
  EXPECT_EQ(canvas.pixel(95, 40), CanvasColour(1));  // the third column is whole
  EXPECT_EQ(canvas.pixel(40, 63), CanvasColour(1));
  for (int y = 0; y < 70; ++y)
    for (int x = 96; x < 100; ++x) ASSERT_EQ(canvas.pixel(x, y), white) << x << "," << y;
  for (int x = 0; x < 100; ++x) ASSERT_EQ(canvas.pixel(x, 69), white) << x;
}

TEST_F(StartUpTest, WithoutTheEmptyPictureShowsOneErrorAndOpensNoAboutBox) {
  WritePicture("A", blockA);
  EXPECT_FALSE(Start());
  EXPECT_EQ(Errors(), QStringList({"Impossible d'ouvrir le fichier Empty.bmp."}));
  for (QWidget* widget : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<TForm3*>(widget), nullptr);
  Errors().clear();
  EXPECT_EQ(RunProgram(Editor()), 0);
  EXPECT_EQ(Errors().size(), 1);
}

TEST_F(StartUpTest, AnUnreadableEmptyPictureStopsStartUpToo) {
  WriteFileBytes(Folder() / "Empty.bmp", "garbage");
  EXPECT_EQ(RunProgram(Editor()), 0);
  EXPECT_EQ(Errors(), QStringList({"Le fichier Empty.bmp n'est pas une image bitmap valide."}));
}

TEST_F(StartUpTest, ClosingTheFloorViewEndsTheProgram) {
  WriteStandardPictures();
  bool sawWindows = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* floorView = qobject_cast<TForm2*>(widget); floorView && floorView->isVisible()) {
        sawWindows = true;
        floorView->close();
      }
    }
  });
  // A second timer ends the loop anyway, so that a fault cannot hang the test run.
  QTimer guard;
  guard.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QApplication::quit();
  });
  guard.start(10000);
  EXPECT_EQ(RunProgram(Editor()), 0);
  EXPECT_TRUE(sawWindows);
  EXPECT_FALSE(timedOut);
}

TEST_F(StartUpTest, WindowsAndControlsSitAtTheirLayoutPlaces) {
  WriteStandardPictures();
  ASSERT_TRUE(Start());
  TForm1& box = ToolBox();
  EXPECT_EQ(box.windowTitle(), " Tool Box");
  EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(box.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_EQ(box.parentWidget(), &FloorView());
  struct Case {
    QWidget* control;
    QRect place;
    QString text;
  } cases[] = {
      {box.Button4, {0, 8, 41, 25}, "Load"},      {box.Button5, {48, 8, 41, 25}, "Save"},
      {box.Button6, {96, 8, 41, 25}, "Build"},    {box.Links, {8, 40, 121, 17}, "Links  total 0"},
      {box.ListBox1, {0, 64, 137, 241}, ""},      {box.Panel1, {45, 320, 55, 52}, ""},
      {box.CheckBox1, {1, 1, 50, 17}, "X  Flip"}, {box.CheckBox2, {1, 17, 50, 17}, "Y  Flip"},
      {box.CheckBox3, {1, 34, 50, 17}, "Rotate"}, {box.Image1, {4, 328, 32, 32}, ""},
      {box.UpDown1, {108, 328, 25, 41}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->objectName().toStdString());
    EXPECT_EQ(c.control->geometry(), c.place);
    if (auto* button = qobject_cast<QAbstractButton*>(c.control)) {
      EXPECT_EQ(button->text(), c.text);
    }
  }
  EXPECT_EQ(box.UpDown1->minimum(), -8);
  EXPECT_EQ(box.UpDown1->maximum(), 7);
  EXPECT_EQ(box.Label1->pos(), QPoint(4, 305));
  EXPECT_EQ(About()->Memo1->geometry(), QRect(8, 8, 345, 145));
  EXPECT_EQ(About()->size(), QSize(362, 163));
  EXPECT_TRUE(FloorView().isVisible());
  EXPECT_TRUE(box.isVisible());
  EXPECT_TRUE(About()->isVisible());
}

}  // namespace
}  // namespace cw::forms
