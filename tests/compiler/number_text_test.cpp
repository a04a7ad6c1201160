#include "compiler/number_text.h"
#include "platform/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace cw::compiler {
namespace {

std::string PrintfG(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
  return buffer;
}

struct ScaleCase {
  float value;
  const char* text;
};

class ScaleTextTest : public ::testing::TestWithParam<ScaleCase> {};

// Scales are written as C's "%g" writes the float promoted to double; compared here both with
// the expected text and with the C library itself in the "C" locale.
TEST_P(ScaleTextTest, MatchesPrintfG) {
  const ScaleCase& c = GetParam();
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  EXPECT_EQ(ScaleText(c.value), c.text);
  EXPECT_EQ(ScaleText(c.value), PrintfG(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ScaleTextTest,
    ::testing::Values(ScaleCase{1.0f, "1"}, ScaleCase{-1.0f, "-1"}, ScaleCase{0.5f, "0.5"},
                      ScaleCase{0.3f, "0.3"}, ScaleCase{0.1f, "0.1"}, ScaleCase{1e-05f, "1e-05"},
                      ScaleCase{0.0001f, "0.0001"}, ScaleCase{100000.0f, "100000"},
                      ScaleCase{1e+06f, "1e+06"}, ScaleCase{123456789.0f, "1.23457e+08"},
                      ScaleCase{0.333333343f, "0.333333"}, ScaleCase{2.5f, "2.5"},
                      ScaleCase{-0.25f, "-0.25"}, ScaleCase{0.0f, "0"}, ScaleCase{-0.0f, "-0"},
                      ScaleCase{1e-45f, "1.4013e-45"},
                      ScaleCase{std::numeric_limits<float>::infinity(), "inf"},
                      ScaleCase{-std::numeric_limits<float>::infinity(), "-inf"},
                      ScaleCase{std::numeric_limits<float>::quiet_NaN(), "nan"},
                      ScaleCase{std::numeric_limits<float>::max(), "3.40282e+38"}));

TEST(NumberTextTest, IntegersAreDecimalWithMinusOnly) {
  struct Case {
    std::int64_t value;
    const char* text;
  } cases[] = {{0, "0"},
               {7, "7"},
               {-256, "-256"},
               {2147483648, "2147483648"},
               {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"}};
  for (const Case& c : cases) {
    std::string out = "x";
    platform::AppendDecimal(out, c.value);
    EXPECT_EQ(out, std::string("x") + c.text);
  }
}

TEST(NumberTextTest, OffsetsAreWholeNumbersWithoutNegativeZero) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{-425.0, "-425"},
               {-0.0, "0"},
               {272.0, "272"},
               {9007199254740992.0, "9007199254740992"},
               {-9223372036854775808.0, "-9223372036854775808"},
               {1e20, "100000000000000000000"},
               {-1e30, "-1000000000000000019884624838656"}};
  for (const Case& c : cases) {
    std::string out;
    AppendOffset(out, c.value);
    EXPECT_EQ(out, c.text) << c.value;
  }
}

}  // namespace
}  // namespace cw::compiler
