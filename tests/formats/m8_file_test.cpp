// The Heretic II .m8 texture reader, against a file made byte by byte.
#include "formats/m8_file.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::formats {
namespace {

void Put(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// "rune": 4 x 2 pixels and a 2 x 1 level, the next frame "rune2", colours 1 and 2 of its own,
// flags 1, contents 2, value -3.
std::string RuneFile() {
  std::string bytes(1040, '\0');
  Put(bytes, 0, 2);
  bytes.replace(4, 4, "rune");
  Put(bytes, 36, 4);           // width[0]
  Put(bytes, 40, 2);           // width[1]
  Put(bytes, 36 + 64, 2);      // height[0]
  Put(bytes, 40 + 64, 1);      // height[1]
  Put(bytes, 36 + 128, 1040);  // offsets[0]
  Put(bytes, 40 + 128, 1048);  // offsets[1]
  bytes.replace(228, 5, "rune2");
  bytes.replace(260 + 3, 6, "\x10\x20\x30\xA0\xB0\xC0");
  Put(bytes, 1028, 1);
  Put(bytes, 1032, 2);
  Put(bytes, 1036, static_cast<std::uint32_t>(-3));
  return bytes + std::string("\1\2\1\2\2\1\2\1") + "\2\1";
}

TEST(M8File, ReadsTheHeaderThePaletteAndEveryLevel) {
  const std::optional<M8Read> read = DecodeM8(RuneFile());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->texture, (M8Texture{"rune", 4, 2, {{1, 2, 1, 2, 2, 1, 2, 1}, {2, 1}}}));
  EXPECT_EQ(read->nextFrame, "rune2");
  Palette palette{};
  palette[1] = {0x10, 0x20, 0x30};
  palette[2] = {0xA0, 0xB0, 0xC0};
  EXPECT_EQ(read->palette, palette);
  EXPECT_EQ(read->surface, (WalSurface{1, 2, -3}));
}

TEST(M8File, RefusesWhatIsNoM8File) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  std::string version3 = RuneFile();
  Put(version3, 0, 3);
  std::string noSize = RuneFile();
  Put(noSize, 36, 0);
  std::string tooWide = RuneFile();
  Put(tooWide, 36, 4097);
  std::string outside = RuneFile();
  Put(outside, 40 + 128, 1049);
  std::string inHeader = RuneFile();
  Put(inHeader, 36 + 128, 1000);
  const Case cases[] = {
      {"shorter than its header", RuneFile().substr(0, 1039)},
      {"another version", version3},
      {"a first level of no size", noSize},
      {"wider than 4096", tooWide},
      {"a level past the end", outside},
      {"a level in the header", inHeader},
  };
  for (const Case& c : cases) EXPECT_FALSE(DecodeM8(c.bytes).has_value()) << c.what;
}

}  // namespace
}  // namespace cw::formats
