// The field scanner that the text formats share: C's sscanf, without the locale.
#include "formats/scanner.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace cw::formats {
namespace {

TEST(ScannerFloat, ReadsLikeStrtofWhateverTheLocale) {
  struct FloatCase {
    const char* text;
    bool ok;
    float value;
    std::size_t used;
  };
  const FloatCase cases[] = {
      {"1", true, 1.0f, 1},      {" -0.5 2", true, -0.5f, 5}, {"0.3", true, 0.3f, 3},
      {"0.1", true, 0.1f, 3},    {"+2.", true, 2.0f, 3},      {".5x", true, 0.5f, 2},
      {"1e3", true, 1000.0f, 3}, {"1e", true, 1.0f, 1},       {"0x10", true, 16.0f, 4},
      {"1,5", true, 1.0f, 1},    {"abc", false, 0.0f, 0},     {"", false, 0.0f, 0},
      {"-", false, 0.0f, 0},
  };
  for (const FloatCase& c : cases) {
    Scanner scan(c.text);
    float value = -7.0f;
    EXPECT_EQ(scan.Float(value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
      EXPECT_EQ(scan.Position(), c.used) << c.text;
    } else {
      EXPECT_EQ(scan.Position(), 0u) << c.text;
    }
  }
  float value = 0;
  Scanner huge("1e40");
  ASSERT_TRUE(huge.Float(value));
  EXPECT_TRUE(std::isinf(value));
  Scanner nan("nan");
  ASSERT_TRUE(nan.Float(value));
  EXPECT_TRUE(std::isnan(value));
}

TEST(ScannerFloat, IgnoresACommaDecimalLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
    if (std::setlocale(LC_NUMERIC, name)) break;
  }
  Scanner scan("2.5");
  float value = 0;
  EXPECT_TRUE(scan.Float(value));
  EXPECT_EQ(value, 2.5f);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ScannerInt, FailureLeavesThePositionAndToken) {
  Scanner scan("  12 x 5");
  std::int32_t value = 0;
  std::string token;
  ASSERT_TRUE(scan.Int(value));
  EXPECT_EQ(value, 12);
  EXPECT_FALSE(scan.Int(value));
  EXPECT_EQ(scan.Rest(), " x 5");
  ASSERT_TRUE(scan.Token(token));
  EXPECT_EQ(token, "x");
  ASSERT_TRUE(scan.Int(value));
  EXPECT_EQ(value, 5);
  EXPECT_FALSE(scan.Token(token));
}

}  // namespace
}  // namespace cw::formats
