// How a picture in full colour becomes palette indices at each level of a texture.
#include "textures/texture_levels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace cw::textures {
namespace {

// Black, white, mid grey and a red, the rest a far blue.
Palette FourColours() {
  Palette palette;
  palette.fill({0, 0, 255});
  palette[0] = {0, 0, 0};
  palette[1] = {255, 255, 255};
  palette[2] = {128, 128, 128};
  palette[3] = {200, 0, 0};
  palette[250] = {250, 0, 0};
  return palette;
}

TEST(QuantiserTest, NearestColourInTheRangeLowestIndexOnATie) {
  const Palette palette = FourColours();
  const Quantiser all(palette, 0, 255);
  EXPECT_EQ(all.Nearest({10, 10, 10}), 0);
  EXPECT_EQ(all.Nearest({140, 120, 130}), 2);
  EXPECT_EQ(all.Nearest({255, 0, 0}), 250);
  EXPECT_EQ(all.Nearest({0, 0, 250}), 4);  // indices 4 to 255 but 250 are one blue: the first
  // Without the last colours, the red that glows is out of reach.
  const Quantiser plain(palette, 0, 223);
  EXPECT_EQ(plain.Nearest({255, 0, 0}), 3);
  // (64, 64, 64) is as near to black as to mid grey, 3 * 64 * 64 from each: the lower index.
  EXPECT_EQ(all.Nearest({64, 64, 64}), 0);
}

TEST(MipTextureTest, EachLevelIsTheMeanOfTheOneAboveInColourThenMatched) {
  // 16 x 16 in columns of black and white: at half size every pixel is the mean of two of each,
  // mid grey; at a quarter and an eighth still grey.
  RgbImage image(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) image.At(x, y) = x % 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  }
  image.At(0, 0) = {200, 0, 0};
  const MipTexture texture = MakeMipTexture("t", image, Quantiser(FourColours(), 0, 223));
  std::vector<std::uint8_t> full;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) full.push_back(x % 2 ? 1 : 0);
  }
  full[0] = 3;
  EXPECT_EQ(texture.levels[0], full);
  // The red corner makes its 2 x 2 mean (178, 128, 128), still nearest to mid grey.
  EXPECT_EQ(texture.levels[1], std::vector<std::uint8_t>(64, 2));
  EXPECT_EQ(texture.levels[2], std::vector<std::uint8_t>(16, 2));
  EXPECT_EQ(texture.levels[3], std::vector<std::uint8_t>(4, 2));
  EXPECT_EQ(texture.name, "t");
  EXPECT_EQ(texture.width, 16);
}

TEST(M8TextureTest, PastASideOfOneTheOtherSidesPixelsAreMeansOfTwo) {
  // Black and white make mid grey; mid grey and white make (192, 192, 192), nearest to white.
  RgbImage image(4, 1);
  image.pixels = {{0, 0, 0}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}};
  const M8Texture made = MakeM8Texture("t", image, Quantiser(FourColours(), 0, 254));
  EXPECT_EQ(made.levels, (std::vector<std::vector<std::uint8_t>>{{0, 1, 1, 1}, {2, 1}, {1}}));
}

}  // namespace
}  // namespace cw::textures
