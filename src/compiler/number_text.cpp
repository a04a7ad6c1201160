#include "compiler/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace cw::compiler {

void AppendInteger(std::string& out, std::int64_t value) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

void AppendScale(std::string& out, float value) {
  std::array<char, 32> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<double>(value), std::chars_format::general, 6);
  out.append(buffer.data(), result.ptr);
}

std::string ScaleText(float value) {
  std::string text;
  AppendScale(text, value);
  return text;
}

void AppendOffset(std::string& out, double value) {
  // Every double of at most 2^63 in magnitude converts exactly; -0.0 becomes 0.
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (value > -kLimit && value < kLimit) {
    AppendInteger(out, static_cast<std::int64_t>(value));
    return;
  }
  // A whole number beyond the 64-bit range: all its digits, as "%.0f" writes them.
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 0);
  out.append(buffer.data(), result.ptr);
}

}  // namespace cw::compiler
