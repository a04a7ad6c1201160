#include "kit/kit_texture_files.h"

#include "kit/kit_textures.h"
#include "kit/wad_file.h"
#include "kit/wal_file.h"
#include "platform/replacing_file_writer.h"

namespace cw::kit {
namespace {

void WriteFile(const std::string& path, const std::string& bytes,
               std::vector<std::string>& problems) {
  platform::ReplacingFileWriter writer(path);
  platform::IoResult result = writer.Open();
  if (result) {
    writer.Write(bytes);
    result = writer.Commit();
  }
  if (!result) problems.push_back(result.error);
}

}  // namespace

std::vector<MipTexture> MakeKitMipTextures(const Palette& palette) {
  const Quantiser plain(palette, 0, kFirstGlowIndex - 1);
  const Quantiser glowing(palette, 0, 255);
  std::vector<MipTexture> textures;
  for (const KitTexture& texture : KitTextures()) {
    textures.push_back(
        MakeMipTexture(texture.name, texture.draw(), texture.glows ? glowing : plain));
  }
  return textures;
}

KitTextureFiles MakeKitTextureFiles(const Palette& palette) {
  const std::vector<MipTexture> textures = MakeKitMipTextures(palette);
  KitTextureFiles files;
  files.wad = EncodeWad2(textures);
  for (std::size_t i = 0; i < textures.size(); ++i) {
    files.wals.emplace_back(textures[i].name + ".wal",
                            EncodeWal(textures[i], KitTextures()[i].surface));
  }
  files.palette = EncodePaletteFile(palette);
  return files;
}

std::vector<std::string> WriteKitTextureFiles(const KitTextureFiles& files,
                                              const TextureDestinations& where) {
  std::vector<std::string> problems;
  if (!where.wad.empty()) WriteFile(where.wad, files.wad, problems);
  if (!where.walFolder.empty()) {
    for (const auto& [name, bytes] : files.wals) {
      WriteFile(where.walFolder + "/" + name, bytes, problems);
    }
  }
  if (!where.palette.empty()) WriteFile(where.palette, files.palette, problems);
  return problems;
}

}  // namespace cw::kit
