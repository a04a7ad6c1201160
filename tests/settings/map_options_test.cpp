// The map options of the settings file: [Faces] KeepFlags and the keys of [World].
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings.h"

namespace cw::settings {
namespace {

TEST(MapOptionsSettingsTest, KeepFlagsIsOnForANumberOtherThanZero) {
  EXPECT_FALSE(ParseSettings("").block.map.keepFaceFlags);
  EXPECT_FALSE(ParseSettings("[Block]\r\nBx=64\r\n[Area]\r\nAx=640\r\n").block.map.keepFaceFlags);
  EXPECT_TRUE(ParseSettings("[faces]\r\n keepflags = 0x10 \r\n").block.map.keepFaceFlags);
  EXPECT_TRUE(ParseSettings("[Faces]\r\nKeepFlags=-1\r\n").block.map.keepFaceFlags);
  for (const char* off :
       {"KeepFlags=0", "KeepFlags=yes", "KeepFlags=", "KeepFlags=0\nKeepFlags=1"}) {
    EXPECT_FALSE(ParseSettings(std::string("[Faces]\n") + off).block.map.keepFaceFlags) << off;
  }
}

TEST(MapOptionsSettingsTest, WorldKeysInFileOrderAsWrittenLeavingOutWhatBreaksALine) {
  const Settings s = ParseSettings(
      "[Block]\nwad=not this one\n"
      "[World]\n; a comment\n  wad =  cryptwright.wad  \n_sunlight_mangle=0 -90 0\n"
      "not a key line\nmessage=\nSky=unit1_\n"
      "=no key\nsay=\"hello\"\nq\"uote=1\ntab=a\tb\nclassname=func_door\nClassName=light\n"
      "WAD=second.wad\n"
      "[Area]\nAx=640\n[World]\nfrom=a second World section\n");
  const std::vector<WorldKey> expected = {{"wad", "cryptwright.wad"},
                                          {"_sunlight_mangle", "0 -90 0"},
                                          {"message", ""},
                                          {"Sky", "unit1_"}};
  EXPECT_EQ(s.block.map.worldKeys, expected);
  EXPECT_EQ(s.Ax, 640);
}

}  // namespace
}  // namespace cw::settings
