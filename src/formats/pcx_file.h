#pragma once

#include <string>

#include "formats/palette_file.h"

namespace cw::formats {

// A 16 by 16 PCX picture of a palette, pixel (x, y) showing colour 16 y + x: the form in which
// Quake 2's tools read the game's palette (qrad3 takes it from pics/colormap.pcx, as does
// ericw-tools' light). It is a PCX of version 5, 8 bits per pixel in one plane, run-length encoded,
// with the 256 colours after a byte 12 at its end, which is all that those readers accept.
std::string EncodePalettePcx(const Palette& palette);

}  // namespace cw::formats
