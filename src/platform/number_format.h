#pragma once

#include <cstdint>
#include <string>

namespace cw::platform {

// Whole numbers in decimal, as every file and message of the program writes them: a minus sign
// when negative and digits, never the locale's grouping or signs.
inline constexpr int kMaxDecimalText = 20;  // "-9223372036854775808"

// Writes into a buffer with room for kMaxDecimalText characters; returns the end of the text.
char* WriteDecimal(char* out, std::int64_t value);
void AppendDecimal(std::string& out, std::int64_t value);
std::string DecimalText(std::int64_t value);

}  // namespace cw::platform
