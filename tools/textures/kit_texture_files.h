#pragma once

#include <string>
#include <vector>

#include "formats/mip_texture.h"
#include "formats/palette_file.h"
#include "textures/texture_colours.h"

namespace cw::textures {

using formats::MipTexture;

// The kit's textures matched to a game's colours: those that glow against the indices 0 to
// colours.lastGlowing, the others against 0 to colours.lastPlain.
std::vector<MipTexture> MakeKitMipTextures(const TextureColours& colours);

// A file to write: where, and its bytes.
struct OutputFile {
  std::string path;
  std::string bytes;
};

// The kit's textures for Quake: all of them in one WAD2 file, matched to the palette with Quake's
// rules (QuakeTextureColours).
OutputFile MakeKitWad(const std::string& path, const Palette& palette);

// The kit's textures for Quake 2: NAME.wal in the folder, each with the surface flags, contents
// and value of its KitTexture, matched to the palette with Quake 2's rules.
std::vector<OutputFile> MakeKitWals(const std::string& folder, const Palette& palette);

// The kit's textures for Heretic II: NAME.m8 in the folder, each with the palette embedded and
// the numbers of Heretic2Surface, matched to the palette with Heretic II's rules.
std::vector<OutputFile> MakeKitM8s(const std::string& folder, const Palette& palette);

// A palette as a file: a PCX picture (EncodePalettePcx) when the path ends in ".pcx", in any
// case, otherwise a 768-byte palette file.
OutputFile MakePaletteFile(const std::string& path, const Palette& palette);

// Writes the files, each replacing its target only once it is complete; one "path: reason" for
// each file that could not be written.
std::vector<std::string> WriteOutputFiles(const std::vector<OutputFile>& files);

}  // namespace cw::textures
