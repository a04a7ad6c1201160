#include "compiler/number_text.h"

#include "platform/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace cw::compiler {

char* WriteScale(char* out, float value) {
  return std::to_chars(out, out + kMaxScaleText, static_cast<double>(value),
                       std::chars_format::general, 6)
      .ptr;
}

void AppendScale(std::string& out, float value) {
  std::array<char, kMaxScaleText> buffer;
  out.append(buffer.data(), WriteScale(buffer.data(), value));
}

std::string ScaleText(float value) {
  std::string text;
  AppendScale(text, value);
  return text;
}

char* WriteOffset(char* out, double value) {
  // Every double of less than 2^63 in magnitude converts exactly; -0.0 becomes 0.
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (value > -kLimit && value < kLimit)
    return platform::WriteDecimal(out, static_cast<std::int64_t>(value));
  // A whole number beyond the 64-bit range: all its digits, as "%.0f" writes them.
  return std::to_chars(out, out + kMaxOffsetText, value, std::chars_format::fixed, 0).ptr;
}

void AppendOffset(std::string& out, double value) {
  std::array<char, kMaxOffsetText> buffer;
  out.append(buffer.data(), WriteOffset(buffer.data(), value));
}

}  // namespace cw::compiler
