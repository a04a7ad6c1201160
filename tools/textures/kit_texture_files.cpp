#include "textures/kit_texture_files.h"

#include <algorithm>
#include <cctype>

#include "formats/m8_file.h"
#include "formats/pcx_file.h"
#include "formats/wad_file.h"
#include "formats/wal_file.h"
#include "platform/replacing_file_writer.h"
#include "textures/kit_textures.h"
#include "textures/texture_levels.h"

namespace cw::textures {
namespace {

using formats::EncodeM8;
using formats::EncodePaletteFile;
using formats::EncodePalettePcx;
using formats::EncodeWad2;
using formats::EncodeWal;

bool EndsWithPcx(const std::string& path) {
  constexpr std::string_view kPcx = ".pcx";
  if (path.size() < kPcx.size()) return false;
  return std::equal(kPcx.begin(), kPcx.end(), path.end() - kPcx.size(), [](char a, char b) {
    return a == std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

std::vector<MipTexture> MakeKitMipTextures(const TextureColours& colours) {
  const Quantiser plain(colours.palette, 0, colours.lastPlain);
  const Quantiser glowing(colours.palette, 0, colours.lastGlowing);
  std::vector<MipTexture> textures;
  for (const KitTexture& texture : KitTextures()) {
    textures.push_back(
        MakeMipTexture(texture.name, texture.draw(), texture.glows ? glowing : plain));
  }
  return textures;
}

OutputFile MakeKitWad(const std::string& path, const Palette& palette) {
  return {path, EncodeWad2(MakeKitMipTextures(QuakeTextureColours(palette)))};
}

std::vector<OutputFile> MakeKitWals(const std::string& folder, const Palette& palette) {
  const std::vector<MipTexture> textures = MakeKitMipTextures(Quake2TextureColours(palette));
  std::vector<OutputFile> files;
  for (std::size_t i = 0; i < textures.size(); ++i) {
    files.push_back({folder + "/" + textures[i].name + ".wal",
                     EncodeWal(textures[i], KitTextures()[i].surface)});
  }
  return files;
}

std::vector<OutputFile> MakeKitM8s(const std::string& folder, const Palette& palette) {
  const TextureColours colours = Heretic2TextureColours(palette);
  const Quantiser quantiser(colours.palette, 0, colours.lastPlain);
  std::vector<OutputFile> files;
  for (const KitTexture& texture : KitTextures()) {
    const M8Texture m8 = MakeM8Texture(texture.name, texture.draw(), quantiser);
    files.push_back({folder + "/" + texture.name + ".m8",
                     EncodeM8(m8, colours.palette, Heretic2Surface(texture))});
  }
  return files;
}

OutputFile MakePaletteFile(const std::string& path, const Palette& palette) {
  return {path, EndsWithPcx(path) ? EncodePalettePcx(palette) : EncodePaletteFile(palette)};
}

std::vector<std::string> WriteOutputFiles(const std::vector<OutputFile>& files) {
  std::vector<std::string> problems;
  for (const OutputFile& file : files) {
    platform::ReplacingFileWriter writer(file.path);
    platform::IoResult result = writer.Open();
    if (result) {
      writer.Write(file.bytes);
      result = writer.Commit();
    }
    if (!result) problems.push_back(result.error);
  }
  return problems;
}

}  // namespace cw::textures
