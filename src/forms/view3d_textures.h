#pragma once

#include <QImage>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compiler/texture_sources.h"
#include "formats/palette_file.h"
#include "settings/settings.h"

namespace cw::forms {

// Where a texture of the 3D view came from; kNowhere: the checker.
using TextureOrigin = compiler::TextureSource;

struct TextureImage {
  QImage image;  // Format_RGBA8888, rows from the top as the texture files keep them
  TextureOrigin origin = TextureOrigin::kNowhere;
};

// The kit's textures by name, as the 3D view shows them. A name is looked for, in this order, in
// the WAD2 files that the world's "wad" key names (several separated by ';'; each as written, or
// by its file name alone in the working folder), as textures/NAME.wal, and as textures/NAME.m8
// or base/textures/NAME.m8, where Check looks (compiler/texture_sources.h); a texture found
// nowhere is a checker pattern. WAD2 and .wal pixels are
// coloured with `palette` (the game's, which the kits' textures are matched to); an .m8 file
// carries its own colours. Each file is read once, when a name is first asked for.
class KitTextureImages {
 public:
  KitTextureImages(std::vector<std::string> wadPaths, formats::Palette palette);

  // For the kit in the working folder: the WADs of its "wad" key and its game's palette.
  static KitTextureImages ForSettings(const settings::Settings& settings);

  const TextureImage& Find(const std::string& name);

 private:
  std::optional<TextureImage> FromWads(const std::string& name);

  std::vector<std::string> wadPaths_;
  formats::Palette palette_;
  bool wadsRead_ = false;
  std::map<std::string, QImage> wadImages_;  // by lower-case name
  std::map<std::string, TextureImage> found_;
};

// The grey and dark checker of 64 by 64 texels, in squares of 8, for a texture found nowhere.
QImage CheckerImage();

}  // namespace cw::forms
