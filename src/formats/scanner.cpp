#include "formats/scanner.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#if defined(__GLIBC__) || defined(__APPLE__)
#include <locale.h>
#if defined(__APPLE__)
#include <xlocale.h>
#endif
#endif

namespace cw::formats {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

#if defined(__GLIBC__) || defined(__APPLE__)
// The "C" locale, so that a comma decimal separator of the user's locale never changes a number.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}
#endif

#if defined(__GLIBC__) || defined(__APPLE__)
float StringToFloat(const std::string& text, std::size_t& used) {
  char* end = nullptr;
  const float value = strtof_l(text.c_str(), &end, CLocale());
  used = static_cast<std::size_t>(end - text.c_str());
  return value;
}
#else
// No strtof_l here, and strtof (which rounds correctly) reads the locale's decimal point. The
// text is put in the locale's terms first: the "." becomes the locale's decimal point, and the
// locale's own decimal character, which no number holds in the "C" locale, ends the text.
float StringToFloat(std::string text, std::size_t& used) {
  const char* localePoint = std::localeconv()->decimal_point;
  if (localePoint && localePoint[0] != '\0' && localePoint[0] != '.' && localePoint[1] == '\0') {
    const std::size_t stop = text.find(localePoint[0]);
    if (stop != std::string::npos) text.erase(stop);
    for (char& c : text) {
      if (c == '.') c = localePoint[0];
    }
  }
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  used = static_cast<std::size_t>(end - text.c_str());
  return value;
}
#endif

}  // namespace

void Scanner::SkipSpace() {
  while (pos_ < text_.size() && IsCSpace(text_[pos_])) ++pos_;
}

bool ReadCInt(std::string_view text, std::size_t& pos, std::int32_t& value) {
  std::size_t at = pos;
  while (at < text.size() && IsCSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at >= text.size() || !IsDigit(text[at])) return false;
  // Accumulate the magnitude; anything beyond 2^31 cannot be a 32-bit value of either sign.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  while (at < text.size() && IsDigit(text[at])) {
    if (!tooLarge) {
      magnitude = magnitude * 10 + (text[at] - '0');
      tooLarge = magnitude > kLimit;
    }
    ++at;
  }
  if (tooLarge || (!negative && magnitude == kLimit)) return false;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  pos = at;
  return true;
}

bool Scanner::Int(std::int32_t& value) {
  return ReadCInt(text_, pos_, value);
}

bool Scanner::Token(std::string& value) {
  const std::size_t start = pos_;
  SkipSpace();
  const std::size_t first = pos_;
  while (pos_ < text_.size() && !IsCSpace(text_[pos_])) ++pos_;
  if (pos_ == first) {
    pos_ = start;
    return false;
  }
  value.assign(text_.substr(first, pos_ - first));
  return true;
}

bool Scanner::Float(float& value) {
  const std::size_t start = pos_;
  SkipSpace();
  const std::size_t first = pos_;
  std::size_t last = first;
  while (last < text_.size() && !IsCSpace(text_[last])) ++last;
  // strtof needs a terminated text; a number never reaches past the next blank.
  const std::string candidate(text_.substr(first, last - first));
  std::size_t used = 0;
  const float parsed = StringToFloat(candidate, used);
  if (used == 0) {
    pos_ = start;
    return false;
  }
  value = parsed;
  pos_ = first + used;
  return true;
}

}  // namespace cw::formats
