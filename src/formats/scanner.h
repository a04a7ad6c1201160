#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cw::formats {

// A blank between the words of a line: a space or a tab.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A blank, or the carriage return of a CR LF line end.
constexpr bool IsBlankOrCr(char c) {
  return IsBlank(c) || c == '\r';
}

// True for the characters that C's isspace() accepts in the "C" locale.
constexpr bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// "%d" at `pos`: white space skipped, an optional sign, decimal digits, within the 32-bit signed
// range. On success `pos` moves past the number; on failure it stays. A NUL byte is neither space
// nor digit, so it ends the number as it ends a C string.
bool ReadCInt(std::string_view text, std::size_t& pos, std::int32_t& value);

// Reads fields from a text the way C's sscanf does, without the locale. Each read skips white
// space first, as %d, %s and %f do, so a blank between two fields of a pattern needs no call of
// its own. A failed read leaves the position where it was. As for a C string, a NUL byte ends
// the text.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

  // %d: an optional sign and decimal digits. A value outside the 32-bit signed range fails.
  bool Int(std::int32_t& value);
  // %s: the run of non-blank characters.
  bool Token(std::string& value);
  // %f: a number as C's strtof reads it (decimal or hexadecimal, exponent, "inf", "nan"), in
  // single precision. Too large a value gives infinity, as strtof does.
  bool Float(float& value);

  void SkipSpace();
  std::size_t Position() const { return pos_; }
  std::string_view Rest() const { return text_.substr(pos_); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace cw::formats
