#pragma once

#include <string>
#include <string_view>

namespace cw::platform {

// A name, a record or a path as a message shows it: every control character (bytes 1 to 31 and
// 127) written as \x followed by two hexadecimal digits, a NUL byte as \0, everything else as it
// is. A message then never holds a byte that moves a terminal's cursor, rings its bell or starts
// an escape sequence, and nothing cuts it short at a NUL.
std::string ShownText(std::string_view text);

// ShownText between double quotes.
std::string QuotedText(std::string_view text);

}  // namespace cw::platform
