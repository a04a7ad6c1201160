#include "platform/shown_text.h"

namespace cw::platform {

std::string ShownText(std::string_view text) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) {
      shown += "\\0";
    } else if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x";
      shown += kHexDigits[byte >> 4];
      shown += kHexDigits[byte & 0xF];
    } else {
      shown += c;
    }
  }
  return shown;
}

std::string QuotedText(std::string_view text) {
  std::string quoted = "\"";
  quoted += ShownText(text);
  quoted += '"';
  return quoted;
}

}  // namespace cw::platform
