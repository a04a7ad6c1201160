#pragma once

#include <string>
#include <utility>
#include <vector>

#include "kit/mip_texture.h"
#include "kit/texture_palette.h"

namespace cw::kit {

// The kit's textures matched to a palette: textures that glow against all of it, the others
// against all but its last 32 colours.
std::vector<MipTexture> MakeKitMipTextures(const Palette& palette);

// The files the kits' textures live in.
struct KitTextureFiles {
  std::string wad;  // every texture in one WAD2 file, for Quake
  std::vector<std::pair<std::string, std::string>> wals;  // "NAME.wal" and its bytes, Quake 2
  std::string palette;                                    // the palette, as a palette file
};
KitTextureFiles MakeKitTextureFiles(const Palette& palette);

// Where to write them; an empty path writes nothing of that kind.
struct TextureDestinations {
  std::string wad;        // the WAD2 file
  std::string walFolder;  // the folder of the .wal files, which must exist
  std::string palette;    // the palette file
};

// Writes the files, each replacing its target only once it is complete; one "path: reason" for
// each file that could not be written.
std::vector<std::string> WriteKitTextureFiles(const KitTextureFiles& files,
                                              const TextureDestinations& where);

}  // namespace cw::kit
