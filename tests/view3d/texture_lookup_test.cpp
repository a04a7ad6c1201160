// Where the 3D view, and Check, find a texture: the WADs of the world's wad key, then
// textures/NAME.wal, then textures/NAME.m8 or base/textures/NAME.m8, else a checker.
#include <gtest/gtest.h>

#include "formats/m8_file.h"
#include "formats/wal_file.h"
#include "forms/view3d_textures.h"
#include "support/test_files.h"
#include "view3d_test_support.h"

namespace cw::testing {
namespace {

// An .m8 file of 16 x 16 pixels of index 1, coloured (10, 20, 30) by its own palette.
std::string SolidM8() {
  std::string bytes(1040, '\0');  // the header
  bytes[0] = 2;                   // version
  bytes[36] = 16;                 // width[0]
  bytes[36 + 64] = 16;            // height[0]
  bytes[36 + 128] = 0x10;         // offsets[0] = 1040 = 0x410
  bytes[36 + 129] = 0x04;
  const std::size_t palette = 36 + 192 + 32;
  bytes[palette + 3] = 10;
  bytes[palette + 4] = 20;
  bytes[palette + 5] = 30;
  return bytes + std::string(256, '\1');
}

QColor QuakeColour(std::uint8_t index) {
  const formats::Rgb rgb = formats::QuakePalette()[index];
  return {rgb.r, rgb.g, rgb.b};
}

TEST(TextureLookup, TheWadComesFirstThenWalThenM8ThenAChecker) {
  TempDir folder;
  CurrentDirectoryGuard inFolder(folder.path());
  // "both" is in the WAD and as a .wal; "wal" and "m8" only as .wal and .m8, "m8" as both.
  std::filesystem::create_directories(folder.path() / "maps");
  WriteFileBytes(folder.path() / "maps/first.wad", formats::EncodeWad2({SolidTexture("both", 10)}));
  WriteFileBytes(folder.path() / "second.wad", formats::EncodeWad2({SolidTexture("Later", 11)}));
  std::filesystem::create_directories(folder.path() / "textures");
  WriteFileBytes(folder.path() / "textures/both.wal",
                 formats::EncodeWal(SolidTexture("both", 20), {}));
  WriteFileBytes(folder.path() / "textures/wal.wal",
                 formats::EncodeWal(SolidTexture("wal", 21), {}));
  WriteFileBytes(folder.path() / "textures/m8.wal", formats::EncodeWal(SolidTexture("m8", 22), {}));
  std::filesystem::create_directories(folder.path() / "base/textures");
  WriteFileBytes(folder.path() / "base/textures/m8.m8", SolidM8());
  WriteFileBytes(folder.path() / "base/textures/only.m8", SolidM8());
  WriteFileBytes(folder.path() / "textures/kit.m8", SolidM8());
  std::filesystem::create_directories(folder.path() / "textures/folder.wal");

  settings::Settings settings;
  // The first as a path from the folder, the second by its file name alone in the folder.
  settings.block.map.worldKeys = {{"wad", " maps/first.wad; /quake/id1/second.wad ;"}};
  forms::KitTextureImages images = forms::KitTextureImages::ForSettings(settings);
  struct Case {
    std::string name;
    forms::TextureOrigin origin;
    QColor colour;
  };
  const QColor checker = forms::CheckerImage().pixelColor(0, 0);
  const Case cases[] = {
      {"both", forms::TextureOrigin::kWad, QuakeColour(10)},
      {"BOTH", forms::TextureOrigin::kWad, QuakeColour(10)},  // WAD names match in any case
      {"later", forms::TextureOrigin::kWad, QuakeColour(11)},
      {"wal", forms::TextureOrigin::kWal, QuakeColour(21)},
      {"m8", forms::TextureOrigin::kWal, QuakeColour(22)},
      {"only", forms::TextureOrigin::kM8, QColor(10, 20, 30)},
      {"kit", forms::TextureOrigin::kM8, QColor(10, 20, 30)},  // the Heretic II kit's own folder
      {"folder", forms::TextureOrigin::kNowhere, checker},     // a folder is no texture
      {"missing", forms::TextureOrigin::kNowhere, checker},
  };
  for (const Case& c : cases) {
    const forms::TextureImage& found = images.Find(c.name);
    EXPECT_EQ(found.origin, c.origin) << c.name;
    EXPECT_EQ(found.image.pixelColor(5, 5), c.colour) << c.name;
  }

  // Quake 2's palette colours the .wal of a Quake 2 kit.
  settings.game.target = settings::TargetGame::kQuake2;
  const formats::Rgb quake2 = formats::Quake2Palette()[21];
  EXPECT_EQ(forms::KitTextureImages::ForSettings(settings).Find("wal").image.pixelColor(5, 5),
            QColor(quake2.r, quake2.g, quake2.b));
}

}  // namespace
}  // namespace cw::testing
