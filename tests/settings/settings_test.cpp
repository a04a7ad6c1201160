#include "settings/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/permissions.h"
#include "support/test_files.h"
#include "support/waiting_pipe.h"

namespace cw::settings {
namespace {

struct ValueCase {
  const char* written;
  std::int32_t expected;  // what Bx reads as (default 128)
};

class SettingsValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SettingsValueTest, ReadsBxValue) {
  const ValueCase& c = GetParam();
  const std::string ini = std::string("[Block]\r\nBx=") + c.written + "\r\n";
  EXPECT_EQ(ParseSettings(ini).block.Bx, c.expected) << "value \"" << c.written << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsValueTest,
    ::testing::Values(ValueCase{"64", 64}, ValueCase{"-64", -64}, ValueCase{"0", 0},
                      ValueCase{"0x40", 64}, ValueCase{"0X40", 64}, ValueCase{"$40", 64},
                      ValueCase{"0xfF", 255}, ValueCase{"$7FFFFFFF", 2147483647},
                      ValueCase{"2147483647", 2147483647}, ValueCase{"-2147483648", INT32_MIN},
                      ValueCase{"007", 7},
                      // Not numbers of the accepted forms: the default.
                      ValueCase{"abc", 128}, ValueCase{"", 128}, ValueCase{"-", 128},
                      ValueCase{"0x", 128}, ValueCase{"$", 128}, ValueCase{"12abc", 128},
                      ValueCase{"1 2", 128}, ValueCase{"+5", 128}, ValueCase{"-0x10", 128},
                      ValueCase{"-$10", 128}, ValueCase{"0x-5", 128}, ValueCase{"0xG", 128},
                      ValueCase{"2147483648", 128}, ValueCase{"-2147483649", 128},
                      ValueCase{"0x80000000", 128}, ValueCase{"99999999999999999999999", 128},
                      ValueCase{"1.5", 128}, ValueCase{"64 ; note", 128},
                      // Blanks around the value are ignored.
                      ValueCase{"  64\t", 64}, ValueCase{" $10 ", 16}));

TEST(SettingsTest, MissingTextGivesEveryDefault) {
  const Settings s = ParseSettings("");
  EXPECT_EQ(s.block.Bx, 128);
  EXPECT_EQ(s.block.By, 128);
  EXPECT_EQ(s.block.Bz, 128);
  EXPECT_EQ(s.block.Ox, 0);
  EXPECT_EQ(s.block.Oy, 0);
  EXPECT_EQ(s.Ax, 1024);
  EXPECT_EQ(s.Ay, 1024);
}

TEST(SettingsTest, ReadsEveryKeyFromItsSection) {
  const Settings s =
      ParseSettings("[Block]\nBx=1\nBy=2\nBz=3\nOx=-4\nOy=5\n[Area]\nAx=640\nAy=320\n");
  EXPECT_EQ(s.block.Bx, 1);
  EXPECT_EQ(s.block.By, 2);
  EXPECT_EQ(s.block.Bz, 3);
  EXPECT_EQ(s.block.Ox, -4);
  EXPECT_EQ(s.block.Oy, 5);
  EXPECT_EQ(s.Ax, 640);
  EXPECT_EQ(s.Ay, 320);
}

TEST(SettingsTest, SectionAndKeyNamesIgnoreCaseAndBlanks) {
  const Settings s = ParseSettings("[ bLOCK ]\r\n  bx = 0x20 \r\nOY=7\r\n[AREA]\r\naX=100\r\n");
  EXPECT_EQ(s.block.Bx, 32);
  EXPECT_EQ(s.block.Oy, 7);
  EXPECT_EQ(s.Ax, 100);
}

TEST(SettingsTest, KeysCountOnlyInTheirOwnSection) {
  const Settings s = ParseSettings("Bx=1\n[Area]\nBx=2\nAx=3\n[Block]\nAx=4\nBy=5\n");
  EXPECT_EQ(s.block.Bx, 128);
  EXPECT_EQ(s.block.By, 5);
  EXPECT_EQ(s.Ax, 3);
}

TEST(SettingsTest, FirstOccurrenceOfAKeyCounts) {
  EXPECT_EQ(ParseSettings("[Block]\nBx=10\nBx=20\n").block.Bx, 10);
  // The first occurrence counts even when it is not a number.
  EXPECT_EQ(ParseSettings("[Block]\nBx=abc\nBx=20\n").block.Bx, 128);
  // A later section of the same name is not consulted.
  EXPECT_EQ(ParseSettings("[Block]\nBy=1\n[Area]\n[Block]\nBx=20\n").block.Bx, 128);
}

TEST(SettingsTest, CommentsAndStrayLinesAreIgnored) {
  const Settings s =
      ParseSettings("; Bx=1\n[Block]\n;Bx=2\n  ; By=3\nnot a key line\n=5\nBx=9\n\n\nBz\n");
  EXPECT_EQ(s.block.Bx, 9);
  EXPECT_EQ(s.block.By, 128);
  EXPECT_EQ(s.block.Bz, 128);
}

TEST(SettingsTest, ReadSettingsFileReadsTheFileOrGivesDefaults) {
  const cw::testing::TempDir dir;
  const std::string path = dir.File(kSettingsFileName);
  cw::testing::WriteFileBytes(path, "[Block]\r\nBx=$40\r\n[Area]\r\nAy=320\r\n");
  const SettingsFile read = LoadSettingsFile(path);
  EXPECT_EQ(read.settings.block.Bx, 64);
  EXPECT_EQ(read.settings.Ay, 320);
  EXPECT_EQ(read.warning, "");
  EXPECT_EQ(ReadSettingsFile(path).block.Bx, 64);
}

// A settings file that exists but cannot be used once gave the defaults without a word, and a
// map was built at Bx=128 where the file said 64.
TEST(SettingsTest, AFileThatCannotBeUsedGivesTheDefaultsAndOneWarning) {
  const cw::testing::TempDir dir;
  const cw::testing::WaitingPipe pipe;
  std::filesystem::create_directory(dir.File("folder"));
  const struct {
    std::string path, bytes, warning;  // bytes written to path unless empty; warning after path
  } cases[] = {
      {dir.File("missing.ini"), "", ""},
      {dir.File("comments.ini"), "; nothing set yet\r\n\r\n", ""},
      {dir.File("folder"), "", ": Is a directory"},
      {pipe.path(), "", ": not a regular file"},
      {cw::testing::kNullDevice, "", ": not a regular file"},
      {dir.File("binary.ini"), std::string("[Block]\r\nBx=64\0\r\n", 15),
       ": holds a NUL byte, so it is not a settings file"},
      {dir.File("text.ini"), "Bx 64\r\nhello\r\n",
       ": no line is a [section] or a key=value, so it is not a settings file"},
  };
  for (const auto& c : cases) {
    if (!c.bytes.empty()) cw::testing::WriteFileBytes(c.path, c.bytes);
    const SettingsFile read = LoadSettingsFile(c.path);
    EXPECT_EQ(read.warning,
              c.warning.empty() ? "" : c.path + c.warning + "; the default settings are used");
    EXPECT_EQ(read.settings.block.Bx, 128) << c.path;
  }
  if (cw::testing::PermissionBitsStopUs()) {
    cw::testing::WriteFileBytes(dir.File("locked.ini"), "[Block]\r\nBx=64\r\n");
    cw::testing::SetPermissionBits(dir.File("locked.ini"), 0200);
    EXPECT_EQ(LoadSettingsFile(dir.File("locked.ini")).warning,
              dir.File("locked.ini") + ": Permission denied; the default settings are used");
  }
}

}  // namespace
}  // namespace cw::settings
