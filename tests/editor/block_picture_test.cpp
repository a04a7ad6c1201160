#include "editor/block_picture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gui_support/picture_checks.h"
#include "support/bmp_writer.h"
#include "support/test_files.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class PictureLoaderTest : public ::testing::Test {
 protected:
  TempDir folder;
  CurrentDirectoryGuard inFolder{folder.path()};
  PictureLoader loader;
};

TEST_F(PictureLoaderTest, LoadsAnEightBitPictureWithOneBytePerPixel) {
  WriteBmp8("A.bmp", NumberedPicture(5, 3));
  const QImage picture = loader.Load("A.bmp");
  ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
  ASSERT_EQ(picture.size(), QSize(5, 3));
  EXPECT_EQ(picture.constScanLine(2)[4], 14);
  EXPECT_EQ(picture.color(14) & 0xFFFFFFu, TestColour(14));
}

TEST_F(PictureLoaderTest, FailuresNameTheFileAsItWasAskedFor) {
  std::filesystem::create_directory("Folder.bmp");
  WriteFileBytes("Text.bmp", "not a bitmap at all");
  struct Case {
    const char* file;
    const char* message;
  } cases[] = {
      {"Empty.bmp", "Impossible d'ouvrir le fichier Empty.bmp."},
      {"Folder.bmp", "Impossible d'ouvrir le fichier Folder.bmp."},
      {"Text.bmp", "Le fichier Text.bmp n'est pas une image bitmap valide."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    try {
      loader.Load(c.file);
      ADD_FAILURE() << "no error";
    } catch (const PictureError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST_F(PictureLoaderTest, AFileChangedOnDiskIsReadAgainAtTheNextLoad) {
  WriteBmp8("A.bmp", SolidPicture(32, 32, 5));
  EXPECT_EQ(loader.Load("A.bmp").constScanLine(0)[0], 5);
  // Same size, written at once: neither size nor time would tell the change.
  WriteBmp8("A.bmp", SolidPicture(32, 32, 6));
  EXPECT_EQ(loader.Load("A.bmp").constScanLine(0)[0], 6);
  std::filesystem::remove("A.bmp");
  EXPECT_THROW(loader.Load("A.bmp"), PictureError);
}

TEST(DrawPicture, CutsThePictureOffAtEveryEdgeOfTheCanvas) {
  const IndexedPicture picture = NumberedPicture(4, 4);
  QImage source(4, 4, QImage::Format_Indexed8);
  source.setColorCount(256);
  for (int i = 0; i < 256; ++i) source.setColor(i, 0xFF000000u | TestColour(i));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.scanLine(y)[x] = picture.At(x, y);

  struct Case {
    std::int64_t x, y;
  } cases[] = {{0, 0}, {-2, -3}, {8, 9}, {-4, 0}, {10, 10}, {-1000000000000, 3}, {3, 1LL << 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y);
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    DrawPicture(canvas, source, c.x, c.y);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const std::int64_t px = x - c.x;
        const std::int64_t py = y - c.y;
        const bool covered = px >= 0 && py >= 0 && px < 4 && py < 4;
        const QRgb expected =
            covered ? CanvasColour(picture.At(static_cast<int>(px), static_cast<int>(py)))
                    : QColor(Qt::white).rgb();
        ASSERT_EQ(canvas.pixel(x, y), expected) << x << ", " << y;
      }
    }
  }
}

}  // namespace
}  // namespace cw::editor
