#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace cw::compiler {

// Numbers as the map file writes them, without the locale.

// Whole numbers are written by platform/number_format.h.

// A texture scale as C's "%g" writes a float promoted to double: at most six significant digits,
// no trailing zeros, exponent form for very small or large values ("1e-05", "1e+06"), "inf", "nan".
void AppendScale(std::string& out, float value);
// The same into a buffer with room for kMaxScaleText characters.
inline constexpr std::size_t kMaxScaleText = 32;
char* WriteScale(char* out, float value);
std::string ScaleText(float value);

// A texture offset: a whole number held in a double (a corrected offset may lie beyond the 64-bit
// range). Written in decimal; a negative zero is written 0.
void AppendOffset(std::string& out, double value);
// The same into a buffer with room for kMaxOffsetText characters.
inline constexpr std::size_t kMaxOffsetText = 400;
char* WriteOffset(char* out, double value);

}  // namespace cw::compiler
