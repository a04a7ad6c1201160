// Block pictures that are not what they claim: not BMPs, cut short, of other depths, huge, or
// with headers that announce far more pixels than the file holds. Each one is drawn or refused
// with a clear error, the editor goes on, and a header is checked against the file before the
// picture's memory is taken.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <cstring>

#include "editor/bitmap_size_check.h"
#include "gui_support/editor_test.h"
#include "platform/little_endian.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

using platform::AppendLittleEndian;

// A BMP with a 40-byte info header, a palette of paletteSize grey entries and the given pixel
// data exactly as it is to be stored.
std::string BmpBytes(std::int32_t width, std::int32_t height, int bits, int paletteSize,
                     const std::string& pixelData, std::uint32_t compression = 0) {
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(paletteSize);
  std::string bytes = "BM";
  AppendLittleEndian(bytes, offset + static_cast<std::uint32_t>(pixelData.size()), 4);
  AppendLittleEndian(bytes, 0, 4);
  AppendLittleEndian(bytes, offset, 4);
  AppendLittleEndian(bytes, 40, 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
  AppendLittleEndian(bytes, 1, 2);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(bits), 2);
  AppendLittleEndian(bytes, compression, 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(pixelData.size()), 4);
  AppendLittleEndian(bytes, 2835, 4);
  AppendLittleEndian(bytes, 2835, 4);
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(paletteSize), 4);
  AppendLittleEndian(bytes, 0, 4);
  for (int i = 0; i < paletteSize; ++i) {
    const auto grey = static_cast<std::uint32_t>(paletteSize == 2 ? i * 255 : i);
    AppendLittleEndian(bytes, grey | grey << 8 | grey << 16, 4);
  }
  return bytes + pixelData;
}

// 32 x 32, 1 bit per pixel: every row 10101010..., so even columns have index 1.
std::string OneBitPicture() {
  return BmpBytes(32, 32, 1, 2, std::string(32 * 4, '\xAA'));
}

// 32 x 32, 24 bits per pixel: the pixel at (x, y) from the top is red x, green y, blue 7.
std::string DeepPicture() {
  std::string rows;
  for (int row = 31; row >= 0; --row) {  // stored bottom-up
    for (int x = 0; x < 32; ++x) {
      rows.push_back(7);
      rows.push_back(static_cast<char>(row));
      rows.push_back(static_cast<char>(x));
    }
  }
  return BmpBytes(32, 32, 24, 0, rows);
}

std::string PngBytes() {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "PNG").write(image);
  return data.toStdString();
}

TEST(BitmapFitsItsFile, HeadersAreCheckedAgainstTheBytesThatFollowThem) {
  const std::string full8 = formats::EncodeBmp8(NumberedPicture(32, 32));
  const std::string headerOnly = BmpBytes(4000, 4000, 8, 256, "");
  struct Case {
    const char* what;
    std::string bytes;
    bool fits;
  };
  const Case cases[] = {
      {"a whole 8-bit picture", full8, true},
      {"one byte short", full8.substr(0, full8.size() - 1), false},
      {"palette without pixels", full8.substr(0, 14 + 40 + 1024), false},
      {"a whole 1-bit picture", OneBitPicture(), true},
      {"a whole 24-bit picture", DeepPicture(), true},
      {"24 bits, last row cut", DeepPicture().substr(0, DeepPicture().size() - 96), false},
      {"4000 x 4000 announced, none there", headerOnly, false},
      {"top-down rows", BmpBytes(3, -2, 8, 0, std::string(8, '\1')), true},
      {"top-down, cut", BmpBytes(3, -2, 8, 0, std::string(7, '\1')), false},
      {"the most negative height", BmpBytes(1, INT32_MIN, 8, 0, std::string(64, '\1')), false},
      {"widest row", BmpBytes(INT32_MAX, 1, 64, 0, std::string(64, '\1')), false},
      {"pixel offset past the end",
       [] {
         std::string b = BmpBytes(2, 2, 8, 0, std::string(8, '\1'));
         b[10] = '\xff';
         return b;
       }(),
       false},
      {"run-length data, plausible", BmpBytes(255, 2, 8, 0, std::string("\xff\1\xff\1\0\1", 6), 1),
       true},
      {"run-length 60000 x 60000 in 6 bytes", BmpBytes(60000, 60000, 8, 0, std::string(6, '\0'), 1),
       false},
      // Left to the decoder: not a BMP, too short to tell, no pixels, unknown depths.
      {"not a BMP", "GIF89a and more bytes", true},
      {"empty file", "", true},
      {"header cut", headerOnly.substr(0, 20), true},
      {"zero width", BmpBytes(0, 4000, 8, 0, ""), true},
      {"depth 65535", BmpBytes(10, 10, 65535, 0, ""), true},
  };
  for (const Case& c : cases) EXPECT_EQ(BitmapFitsItsFile(c.bytes), c.fits) << c.what;
}

class HostilePicturesTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    for (const auto& [name, bytes] : pictures_) WriteFileBytes(Folder() / (name + ".bmp"), bytes);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Errors().isEmpty());
  }

  // Draws a level of one block of that name at cell (1, 1), as an event of the floor view.
  void DrawBlock(const std::string& name, int flags) {
    Errors().clear();
    BlockList() = {"0 1 1 " + std::to_string(flags) + " " + name};
    Editor().RunHandler([&] { Editor().RedrawFloor(); });
  }

  // The editor still works: a good block draws where it should, with no error.
  void ExpectTheEditorGoesOn() {
    Errors().clear();
    BlockList() = {"0 2 2 0 A"};
    Editor().RunHandler([&] { Editor().RedrawFloor(); });
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_TRUE(ShowsPicture(Canvas(), 64, 64, blockA));
  }

  static std::string Big8BitPicture() {
    IndexedPicture big = SolidPicture(4000, 4000, 9);
    big.At(0, 0) = 4;
    big.At(3999, 3999) = 5;
    return formats::EncodeBmp8(big);
  }

  const std::vector<std::pair<std::string, std::string>> pictures_ = {
      {"Text", "this is no picture"},
      {"Png", PngBytes()},
      {"Cut", formats::EncodeBmp8(NumberedPicture(32, 32)).substr(0, 600)},
      {"HeaderCut", formats::EncodeBmp8(NumberedPicture(32, 32)).substr(0, 30)},
      {"Zero", ""},
      {"Claims", BmpBytes(4000, 4000, 8, 256, std::string(100, '\1'))},
      {"RunLength", BmpBytes(60000, 60000, 8, 0, std::string(6, '\0'), 1)},
      {"OneBit", OneBitPicture()},
      {"Deep", DeepPicture()},
      {"Big", Big8BitPicture()},
  };
};

TEST_F(HostilePicturesTest, PicturesThatCannotBeReadGiveOneClearErrorAndTheEditorGoesOn) {
  for (const char* name : {"Text", "Png", "Cut", "HeaderCut", "Zero", "Claims", "RunLength"}) {
    SCOPED_TRACE(name);
    // The Unknown picture in its place, turned by the record's flags; told once, not at every
    // redraw.
    DrawBlock(name, 0);
    EXPECT_EQ(Errors(), QStringList({QString("The picture %1.bmp cannot be loaded (Le fichier "
                                             "%1.bmp n'est pas une image bitmap valide.); the "
                                             "Unknown picture is shown in its place.")
                                         .arg(name)}));
    EXPECT_TRUE(ShowsPicture(Canvas(), 32, 32, unknown));
    DrawBlock(name, 5);
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_TRUE(ShowsPicture(Canvas(), 32, 32, OrientedByTable(unknown, 5)));
    ExpectTheEditorGoesOn();
  }
}

TEST_F(HostilePicturesTest, OtherDepthsAreDrawn) {
  DrawBlock("OneBit", 0);
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(Canvas().pixel(32, 40), qRgb(255, 255, 255));  // even column: index 1
  EXPECT_EQ(Canvas().pixel(33, 40), qRgb(0, 0, 0));

  DrawBlock("Deep", 0);
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(Canvas().pixel(32 + 5, 32 + 3), qRgb(5, 3, 7));
  DrawBlock("Deep", 4);  // a quarter turn: (x, y) goes to (y, 31 - x)
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(Canvas().pixel(32 + 3, 32 + 31 - 5), qRgb(5, 3, 7));
  ExpectTheEditorGoesOn();
}

TEST_F(HostilePicturesTest, AHugePictureIsDrawnCutAtTheCanvasEdge) {
  DrawBlock("Big", 0);
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(Canvas().pixel(32, 32), CanvasColour(4));
  EXPECT_EQ(Canvas().pixel(1023, 1023), CanvasColour(9));
  DrawBlock("Big", 3);  // a half turn brings the far corner to the cell
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(Canvas().pixel(32, 32), CanvasColour(5));
  ExpectTheEditorGoesOn();
}

TEST_F(HostilePicturesTest, ABackgroundThatBecomesEmptyIsTiledWithTheUnknownPicture) {
  WriteFileBytes(Folder() / "Empty.bmp", "");
  DrawBlock("A", 0);
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors().front().startsWith("The picture Empty.bmp cannot be loaded"));
  EXPECT_TRUE(ShowsPicture(Canvas(), 0, 0, unknown));
  EXPECT_TRUE(ShowsPicture(Canvas(), 32, 32, blockA));
  WriteStandardPictures();
  ExpectTheEditorGoesOn();
}

}  // namespace
}  // namespace cw::editor
