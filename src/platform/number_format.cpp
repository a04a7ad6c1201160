#include "platform/number_format.h"

#include <charconv>

namespace cw::platform {

char* WriteDecimal(char* out, std::int64_t value) {
  return std::to_chars(out, out + kMaxDecimalText, value).ptr;
}

void AppendDecimal(std::string& out, std::int64_t value) {
  char digits[kMaxDecimalText];
  out.append(digits, WriteDecimal(digits, value));
}

std::string DecimalText(std::int64_t value) {
  std::string text;
  AppendDecimal(text, value);
  return text;
}

}  // namespace cw::platform
