#include "formats/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace cw::formats {
namespace {

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

IndexedPicture Numbered(int width, int height) {
  IndexedPicture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = static_cast<std::uint8_t>(10 * y + x);
  }
  for (std::size_t i = 0; i < 256; ++i)
    picture.palette[i] = static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFF;
  return picture;
}

TEST(IndexedPictureTest, WritesAn8BitBmpWithPaletteAndBottomUpPaddedRows) {
  IndexedPicture picture = Numbered(5, 3);
  std::string bytes = EncodeBmp8(picture);
  constexpr std::size_t kPixels = 14 + 40 + 1024;
  ASSERT_EQ(bytes.size(), kPixels + 8 * 3);  // rows of 5 padded to 8
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Little(bytes, 2, 4), bytes.size());
  EXPECT_EQ(Little(bytes, 10, 4), kPixels);
  EXPECT_EQ(Little(bytes, 14, 4), 40u);
  EXPECT_EQ(Little(bytes, 18, 4), 5u);
  EXPECT_EQ(Little(bytes, 22, 4), 3u);
  EXPECT_EQ(Little(bytes, 28, 2), 8u);
  EXPECT_EQ(Little(bytes, 46, 4), 256u);
  // Palette entries are blue, green, red, zero.
  EXPECT_EQ(Little(bytes, 54 + 4 * 255, 4), (255u * 0x010203) & 0xFFFFFF);
  // The first stored row is the bottom one.
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[kPixels]), 20);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[kPixels + 4]), 24);
  EXPECT_EQ(bytes[kPixels + 5], '\0');
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[kPixels + 16]), 0);
}

TEST(IndexedPictureTest, ReadsBackWhatItWrites) {
  for (int width : {1, 4, 5, 32}) {
    IndexedPicture picture = Numbered(width, 6);
    auto decoded = DecodeBmp8(EncodeBmp8(picture));
    ASSERT_TRUE(decoded) << width;
    EXPECT_EQ(*decoded, picture) << width;
  }
}

TEST(IndexedPictureTest, RefusesWhatIsNotAnUncompressed8BitBmp) {
  std::string good = EncodeBmp8(Numbered(4, 4));
  auto with = [&](std::size_t at, char value) {
    std::string bytes = good;
    bytes[at] = value;
    return bytes;
  };
  EXPECT_FALSE(DecodeBmp8(""));
  EXPECT_FALSE(DecodeBmp8(with(0, 'X')));
  EXPECT_FALSE(DecodeBmp8(with(28, 24)));      // 24 bits per pixel
  EXPECT_FALSE(DecodeBmp8(with(30, 1)));       // run-length compressed
  EXPECT_FALSE(DecodeBmp8(with(25, '\xFF')));  // negative height: top-down rows
  EXPECT_FALSE(DecodeBmp8(good.substr(0, good.size() - 1)));
}

}  // namespace
}  // namespace cw::formats
