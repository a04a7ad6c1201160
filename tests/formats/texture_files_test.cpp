// The texture files: WAD2 for Quake, .wal for Quake 2, .m8 for Heretic II, the palette file and
// the palette as a PCX picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "formats/m8_file.h"
#include "formats/mip_texture.h"
#include "formats/pcx_file.h"
#include "formats/wad_file.h"
#include "formats/wal_file.h"

namespace cw::formats {
namespace {

// Little-endian 32-bit words, and a name padded with NULs to its field.
std::string Words(std::initializer_list<std::uint32_t> words) {
  std::string bytes;
  for (std::uint32_t w : words) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((w >> (8 * i)) & 0xFF));
  }
  return bytes;
}
std::string Name(const std::string& name, std::size_t field) {
  return name + std::string(field - name.size(), '\0');
}

// A texture whose pixel i of level k is (seed + 7 k + i) modulo 256.
MipTexture Numbered(const std::string& name, int width, int height, int seed) {
  MipTexture texture;
  texture.name = name;
  texture.width = width;
  texture.height = height;
  for (int k = 0; k < 4; ++k) {
    const std::size_t size = static_cast<std::size_t>((width >> k) * (height >> k));
    for (std::size_t i = 0; i < size; ++i) {
      texture.levels[static_cast<std::size_t>(k)].push_back(
          static_cast<std::uint8_t>((seed + 7 * k + static_cast<int>(i)) % 256));
    }
  }
  return texture;
}

std::string Levels(const MipTexture& texture) {
  std::string bytes;
  for (const auto& level : texture.levels) bytes.append(level.begin(), level.end());
  return bytes;
}

TEST(Wad2FileTest, HeaderLumpsAndDirectoryByteForByte) {
  const MipTexture small = Numbered("cw_a", 16, 16, 1);    // 256 + 64 + 16 + 4 = 340 pixels
  const MipTexture wide = Numbered("cw_wide", 32, 16, 9);  // 512 + 128 + 32 + 8 = 680 pixels
  const std::string expected =
      "WAD2" + Words({2, 12 + 380 + 720}) +
      // The first lump at 12: name, size, levels at 40, 296, 360 and 376 from the lump's start.
      Name("cw_a", 16) + Words({16, 16, 40, 296, 360, 376}) + Levels(small) +
      // The second at 392: levels at 40, 552, 680 and 712.
      Name("cw_wide", 16) + Words({32, 16, 40, 552, 680, 712}) + Levels(wide) +
      // The directory: offset, size twice, type 'D', no compression, padding, name.
      Words({12, 380, 380}) + "D" + std::string(3, '\0') + Name("cw_a", 16) +
      Words({392, 720, 720}) + "D" + std::string(3, '\0') + Name("cw_wide", 16);
  EXPECT_EQ(EncodeWad2({small, wide}), expected);
  EXPECT_EQ(EncodeWad2({}), "WAD2" + Words({0, 12}));
  // Read back, every pixel of every level.
  const Wad2Read read = DecodeWad2(expected);
  EXPECT_EQ(read.problem, "");
  EXPECT_EQ(read.textures, (std::vector<MipTexture>{small, wide}));
}

TEST(Wad2FileTest, DamagedFilesAreRefusedWithTheirProblem) {
  const std::string good = EncodeWad2({Numbered("a", 16, 16, 0), Numbered("b", 16, 16, 0)});
  auto with = [&](std::size_t at, std::string bytes) {
    std::string damaged = good;
    damaged.replace(at, bytes.size(), bytes);
    return damaged;
  };
  const std::size_t directory = good.size() - 64;
  struct Case {
    std::string bytes;
    const char* problem;
  } cases[] = {
      {with(0, "WAD3"), "not a WAD2 file"},
      {with(4, Words({3})), "the directory does not lie inside the file"},
      {with(directory + 32 + 13, "\1"), "directory entry 2 is not an uncompressed texture"},
      {with(12 + 16, Words({24})),
       "directory entry 1 is not a texture of a size that is a multiple of 16"},
      {with(12 + 36, Words({377})), "directory entry 1 has a mip level outside its lump"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeWad2(c.bytes).problem, c.problem) << c.problem;
}

TEST(WalFileTest, HeaderAndLevelsByteForByteAndReadBack) {
  const MipTexture texture = Numbered("cw_lamp", 16, 32, 5);  // 512 + 128 + 32 + 8 pixels
  const std::string bytes = EncodeWal(texture, {1, 134217728, -1});
  EXPECT_EQ(bytes, Name("cw_lamp", 32) + Words({16, 32, 100, 612, 740, 772}) + Name("", 32) +
                       Words({1, 134217728, 0xFFFFFFFF}) + Levels(texture));
  const std::optional<WalRead> read = DecodeWal(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->texture, texture);
  EXPECT_EQ(read->surface, (WalSurface{1, 134217728, -1}));
  EXPECT_FALSE(DecodeWal(bytes.substr(0, 99)));
  EXPECT_FALSE(DecodeWal(bytes.substr(0, bytes.size() - 1)));  // the last level is cut short
  EXPECT_FALSE(DecodeWal(std::string(bytes).replace(32, 4, Words({40}))));
}

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

TEST(PaletteFileTest, SevenHundredSixtyEightBytesOrAPcxPalette) {
  const Palette palette = FourColours();
  const std::string file = EncodePaletteFile(palette);
  EXPECT_EQ(file.substr(0, 9), std::string("\0\0\0\xFF\xFF\xFF\x80\x80\x80", 9));
  EXPECT_EQ(file.size(), 768u);
  EXPECT_EQ(DecodePaletteFile(file), palette);
  // A PCX picture: a 128-byte header starting with 10, its pixels, a byte 12 and the palette.
  const std::string pcx = std::string(1, '\x0A') + std::string(427, 'x') + '\x0C' + file;
  EXPECT_EQ(DecodePaletteFile(pcx), palette);
  EXPECT_FALSE(DecodePaletteFile(file + "x"));
  EXPECT_FALSE(DecodePaletteFile(pcx.substr(0, pcx.size() - 769) + 'x' + file));
}

TEST(PalettePcxTest, AsQuake2ToolsReadThePalette) {
  const Palette palette = FourColours();
  const std::string file = EncodePalettePcx(palette);
  // What qrad3 (LoadPCX in id's lbmlib.c) and ericw-tools' light check before they take the last
  // 768 bytes: ZSoft, version 5, run-length encoded, 8 bits, less than 640 by 480 (here from
  // (0, 0) to (15, 15), at 72 dpi); then one plane of 16 bytes a line, in colour.
  EXPECT_EQ(file.substr(0, 16),
            std::string("\x0A\x05\x01\x08\0\0\0\0\x0F\0\x0F\0\x48\0\x48\0", 16));
  EXPECT_EQ(file.substr(64, 6), std::string("\0\x01\x10\0\x01\0", 6));
  // The 256 pixels, colours of 192 or more as runs of one; a byte 12; the palette.
  EXPECT_EQ(file.size(), 128u + 256u + 64u + 1u + 768u);
  EXPECT_EQ(file.substr(128 + 190, 6), std::string("\xBE\xBF\xC1\xC0\xC1\xC1", 6));
  EXPECT_EQ(DecodePaletteFile(file), palette);
}

TEST(M8FileTest, HeaderPaletteLevelsAndNumbersByteForByte) {
  // 4 x 2 pixels, then 2 x 1 and 1 x 1: 8 + 2 + 1 bytes after the 1040 of the header.
  M8Texture texture{"cw_m8", 4, 2, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10}, {11}}};
  Palette palette;
  for (int i = 0; i < 256; ++i) {
    palette[static_cast<std::size_t>(i)] = {std::uint8_t(i), std::uint8_t(255 - i), 7};
  }
  std::string colours;
  for (int i = 0; i < 256; ++i) colours += {char(i), char(255 - i), 7};
  const std::string zeros(13 * 4, '\0');  // the 13 level slots past the texture's last
  // Version 2; the name; widths, heights and offsets of 16 levels; no next frame; the palette;
  // flags (stone and light), contents (detail), value; the levels.
  const std::string bytes = EncodeM8(texture, palette, {0x02000001, 134217728, 300});
  EXPECT_EQ(bytes, Words({2}) + Name("cw_m8", 32) + Words({4, 2, 1}) + zeros + Words({2, 1, 1}) +
                       zeros + Words({1040, 1048, 1050}) + zeros + Name("", 32) + colours +
                       Words({0x02000001, 134217728, 300}) +
                       std::string("\1\2\3\4\5\6\7\10\11\12\13", 11));
  // Read back: the levels up to the first empty slot, the palette and the numbers.
  const std::optional<M8Read> read = DecodeM8(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->texture, texture);
  EXPECT_EQ(read->palette, palette);
  EXPECT_EQ(read->surface, (WalSurface{0x02000001, 134217728, 300}));
  EXPECT_FALSE(DecodeM8(bytes.substr(0, bytes.size() - 1)));  // the last level is cut short
  EXPECT_FALSE(DecodeM8(std::string(bytes).replace(0, 4, Words({3}))));  // another version
  const auto with = [&bytes](std::size_t at, std::uint32_t value) {
    return std::string(bytes).replace(at, 4, Words({value}));
  };
  EXPECT_FALSE(DecodeM8(with(36, 0)));          // a first level of no size
  EXPECT_FALSE(DecodeM8(with(36, 4097)));       // wider than 4096
  EXPECT_FALSE(DecodeM8(with(164 + 8, 1051)));  // the last level past the end
  EXPECT_FALSE(DecodeM8(with(164, 1000)));      // the first level in the header
  EXPECT_EQ(DecodeM8(with(164 + 8, 1049))->texture.levels[2], std::vector<std::uint8_t>{10});
}

TEST(M8FileTest, LevelsHalveEachSideDownToOnePixel) {
  const struct {
    int width, height;
    std::vector<std::pair<int, int>> sizes;
  } cases[] = {{1, 1, {{1, 1}}},
               {16, 16, {{16, 16}, {8, 8}, {4, 4}, {2, 2}, {1, 1}}},
               {64, 16, {{64, 16}, {32, 8}, {16, 4}, {8, 2}, {4, 1}, {2, 1}, {1, 1}}},
               {2, 8, {{2, 8}, {1, 4}, {1, 2}, {1, 1}}}};
  for (const auto& c : cases) {
    EXPECT_EQ(M8LevelSizes(c.width, c.height), c.sizes) << c.width << " x " << c.height;
  }
}

}  // namespace
}  // namespace cw::formats
