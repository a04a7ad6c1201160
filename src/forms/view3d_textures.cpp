#include "forms/view3d_textures.h"

#include "compiler/texture_sources.h"
#include "formats/game_palettes.h"
#include "formats/m8_file.h"
#include "formats/wad_file.h"
#include "formats/wal_file.h"
#include "platform/file_reader.h"

namespace cw::forms {
namespace {

std::optional<std::string> ReadFile(const std::string& path) {
  platform::IoValue<std::string> read = platform::ReadWholeFile(path);
  if (!read) return std::nullopt;
  return std::move(read.value);
}

// The full-size level of a texture, each index coloured by the palette.
QImage Coloured(int width, int height, const std::vector<std::uint8_t>& pixels,
                const auto& palette) {
  QImage image(width, height, QImage::Format_RGBA8888);
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      const auto& colour = palette[pixels[static_cast<std::size_t>(y * width + x)]];
      row[4 * x] = colour[0];
      row[4 * x + 1] = colour[1];
      row[4 * x + 2] = colour[2];
      row[4 * x + 3] = 255;
    }
  }
  return image;
}

std::array<std::array<std::uint8_t, 3>, 256> Bytes(const formats::Palette& palette) {
  std::array<std::array<std::uint8_t, 3>, 256> bytes{};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    bytes[i] = {palette[i].r, palette[i].g, palette[i].b};
  }
  return bytes;
}

}  // namespace

KitTextureImages::KitTextureImages(std::vector<std::string> wadPaths, formats::Palette palette)
    : wadPaths_(std::move(wadPaths)), palette_(palette) {}

KitTextureImages KitTextureImages::ForSettings(const settings::Settings& settings) {
  const bool quake2 = settings.game.target == settings::TargetGame::kQuake2;
  return {compiler::WadPathsOf(settings),
          quake2 ? formats::Quake2Palette() : formats::QuakePalette()};
}

const TextureImage& KitTextureImages::Find(const std::string& name) {
  const auto known = found_.find(name);
  if (known != found_.end()) return known->second;
  std::optional<TextureImage> image = FromWads(name);
  if (!image) {
    if (auto bytes = ReadFile(compiler::WalTexturePath(name))) {
      if (const std::optional<formats::WalRead> wal = formats::DecodeWal(*bytes)) {
        const formats::MipTexture& texture = wal->texture;
        image = TextureImage{
            Coloured(texture.width, texture.height, texture.levels[0], Bytes(palette_)),
            TextureOrigin::kWal};
      }
    }
  }
  for (const std::string& path : compiler::M8TexturePaths(name)) {
    if (image) break;
    if (auto bytes = ReadFile(path)) {
      if (const std::optional<formats::M8Read> m8 = formats::DecodeM8(*bytes)) {
        const formats::M8Texture& texture = m8->texture;
        image = TextureImage{
            Coloured(texture.width, texture.height, texture.levels.front(), Bytes(m8->palette)),
            TextureOrigin::kM8};
      }
    }
  }
  if (!image) image = TextureImage{CheckerImage(), TextureOrigin::kNowhere};
  return found_.emplace(name, std::move(*image)).first->second;
}

std::optional<TextureImage> KitTextureImages::FromWads(const std::string& name) {
  if (!wadsRead_) {
    wadsRead_ = true;
    const auto colours = Bytes(palette_);
    for (const std::string& path : wadPaths_) {
      const std::optional<std::string> bytes = compiler::ReadKitWad(path);
      if (!bytes) continue;
      // A WAD that cannot be read whole still gives the textures read before the problem.
      for (const formats::MipTexture& texture : formats::DecodeWad2(*bytes).textures) {
        // The first WAD that holds a name gives it, as the compilers take it.
        wadImages_.try_emplace(compiler::WadTextureKey(texture.name),
                               Coloured(texture.width, texture.height, texture.levels[0], colours));
      }
    }
  }
  const auto found = wadImages_.find(compiler::WadTextureKey(name));
  if (found == wadImages_.end()) return std::nullopt;
  return TextureImage{found->second, TextureOrigin::kWad};
}

QImage CheckerImage() {
  QImage image(64, 64, QImage::Format_RGBA8888);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const bool light = ((x / 8) + (y / 8)) % 2 == 0;
      image.setPixel(x, y, light ? qRgb(160, 160, 160) : qRgb(64, 64, 64));
    }
  }
  return image;
}

}  // namespace cw::forms
