#include "compiler/tool_messages.h"

#include <limits>

namespace cw::compiler {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsWordCharacter(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The word "line" in any case at `at`, standing alone on its left.
bool LineWordAt(std::string_view text, std::size_t at) {
  constexpr std::string_view kWord = "line";
  if (at + kWord.size() > text.size()) return false;
  if (at > 0 && IsWordCharacter(text[at - 1])) return false;
  for (std::size_t i = 0; i < kWord.size(); ++i) {
    if (LowerAscii(text[at + i]) != kWord[i]) return false;
  }
  return true;
}

// The decimal number at `at` (at least one digit, not followed by a letter or digit), and where
// it ends.
std::optional<std::size_t> NumberAt(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  std::size_t value = 0;
  while (at < text.size() && IsDigit(text[at])) {
    const auto digit = static_cast<std::size_t>(text[at] - '0');
    if (value > (std::numeric_limits<std::size_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
    ++at;
  }
  if (at == start || (at < text.size() && IsWordCharacter(text[at]))) return std::nullopt;
  return value;
}

// "line" followed by at least one blank and a number.
std::optional<std::size_t> LineNumberAt(std::string_view text, std::size_t at) {
  if (!LineWordAt(text, at)) return std::nullopt;
  std::size_t position = at + 4;
  const std::size_t blanks = position;
  while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) ++position;
  if (position == blanks) return std::nullopt;
  return NumberAt(text, position);
}

}  // namespace

std::optional<std::size_t> MapLineInMessage(std::string_view message) {
  for (std::size_t at = message.find("[line"); at != std::string_view::npos;
       at = message.find("[line", at + 1)) {
    std::size_t position = at + 1;
    const std::optional<std::size_t> line = LineNumberAt(message, position);
    if (!line) continue;
    position =
        message.find_first_not_of("0123456789", message.find_first_of("0123456789", position));
    if (position < message.size() && message[position] == ']') return line;
  }
  for (std::size_t at = 0; at < message.size(); ++at) {
    if (const std::optional<std::size_t> line = LineNumberAt(message, at)) return line;
  }
  return std::nullopt;
}

}  // namespace cw::compiler
