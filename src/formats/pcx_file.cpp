#include "formats/pcx_file.h"

namespace cw::formats {
namespace {

// A 16-bit little-endian number.
void AppendWord(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

constexpr int kSide = 16;

}  // namespace

std::string EncodePalettePcx(const Palette& palette) {
  std::string out;
  out += '\x0A';  // made by ZSoft
  out += '\x05';  // version 5: with a 256-colour palette at the end
  out += '\x01';  // run-length encoded
  out += '\x08';  // bits per pixel
  // The picture's first and last column and row, and its resolution in dots per inch.
  for (int word : {0, 0, kSide - 1, kSide - 1, 72, 72}) AppendWord(out, word);
  out.append(48, '\0');    // the 16-colour palette, unused
  out += '\0';             // reserved
  out += '\x01';           // one plane
  AppendWord(out, kSide);  // bytes per line
  AppendWord(out, 1);      // a colour palette
  out.append(58, '\0');
  // Every pixel on its own: a byte of 192 or more would read as a run's count, so those colours
  // are written as runs of one.
  for (int i = 0; i < kSide * kSide; ++i) {
    if (i >= 0xC0) out += '\xC1';
    out += static_cast<char>(i);
  }
  out += '\x0C';
  out += EncodePaletteFile(palette);
  return out;
}

}  // namespace cw::formats
