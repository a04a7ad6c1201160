// The map options of the settings file: [Faces] KeepFlags and the keys of [World].
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings.h"

namespace cw::settings {
namespace {

TEST(MapOptionsSettingsTest, KeepFlagsIsOnForANumberOtherThanZero) {
  struct Case {
    const char* ini;
    bool kept;
  } cases[] = {
      {"", false},
      {"[Block]\r\nBx=64\r\n[Area]\r\nAx=640\r\n", false},  // a settings file of before
      {"[Faces]\r\nKeepFlags=1\r\n", true},
      {"[faces]\r\n keepflags = 0x10 \r\n", true},
      {"[Faces]\r\nKeepFlags=-1\r\n", true},
      {"[Faces]\r\nKeepFlags=0\r\n", false},
      {"[Faces]\r\nKeepFlags=yes\r\n", false},
      {"[Faces]\r\nKeepFlags=\r\n", false},
      {"[Block]\r\nKeepFlags=1\r\n", false},
      {"[Faces]\r\nKeepFlags=0\r\nKeepFlags=1\r\n", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseSettings(c.ini).block.map.keepFaceFlags, c.kept) << c.ini;
  }
}

TEST(MapOptionsSettingsTest, WorldKeysInFileOrderAsWritten) {
  const Settings s = ParseSettings(
      "[Block]\r\nwad=not this one\r\n"
      "[World]\r\n"
      "; a comment\r\n"
      "  wad =  cryptwright.wad  \r\n"
      "_sunlight_mangle=0 -90 0\r\n"
      "not a key line\r\n"
      "message=\r\n"
      "Sky=unit1_\r\n"
      "[Area]\r\nAx=640\r\n");
  const std::vector<WorldKey> expected = {{"wad", "cryptwright.wad"},
                                          {"_sunlight_mangle", "0 -90 0"},
                                          {"message", ""},
                                          {"Sky", "unit1_"}};
  EXPECT_EQ(s.block.map.worldKeys, expected);
  EXPECT_EQ(s.Ax, 640);
  EXPECT_FALSE(s.block.map.keepFaceFlags);
}

TEST(MapOptionsSettingsTest, KeysThatWouldBreakTheWorldEntityAreLeftOut) {
  const Settings s = ParseSettings(
      "[World]\n"
      "=no key\n"
      "say=\"hello\"\n"
      "q\"uote=1\n"
      "tab=a\tb\n"
      "classname=func_door\n"
      "ClassName=light\n"
      "wad=first.wad\n"
      "WAD=second.wad\n"
      "sky=night\n"
      "[World]\n"
      "message=from a second World section\n");
  const std::vector<WorldKey> expected = {{"wad", "first.wad"}, {"sky", "night"}};
  EXPECT_EQ(s.block.map.worldKeys, expected);
}

}  // namespace
}  // namespace cw::settings
