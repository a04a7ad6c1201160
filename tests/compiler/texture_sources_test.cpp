// Where Check looks for a face texture: the WADs of the world's wad key (as written, else by file
// name in the working folder), textures/NAME.wal, textures/NAME.m8 or base/textures/NAME.m8.
#include "compiler/texture_sources.h"

#include <gtest/gtest.h>

#include "formats/mip_texture.h"
#include "formats/wad_file.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using testing::CurrentDirectoryGuard;
using testing::TempDir;
using testing::WriteFileBytes;

formats::MipTexture Solid(const std::string& name) {
  formats::MipTexture texture{name, 16, 16, {}};
  for (int level = 0; level < 4; ++level) {
    texture.levels[static_cast<std::size_t>(level)].assign(formats::MipLevelSize(16, 16, level), 1);
  }
  return texture;
}

TEST(TextureSources, EachNameIsFoundWhereACompilerWouldLook) {
  TempDir folder;
  const CurrentDirectoryGuard inFolder(folder.path());
  for (const char* sub : {"sub", "textures/q2", "textures/h2", "base/textures/h2"}) {
    std::filesystem::create_directories(folder.path() / sub);
  }
  WriteFileBytes(folder.path() / "kit.wad", formats::EncodeWad2({Solid("Stone")}));
  WriteFileBytes(folder.path() / "sub/other.wad", formats::EncodeWad2({Solid("metal")}));
  WriteFileBytes(folder.path() / "textures/q2/wall.wal", "any bytes");
  WriteFileBytes(folder.path() / "base/textures/h2/rock.m8", "any bytes");
  WriteFileBytes(folder.path() / "textures/h2/glow.m8", "any bytes");
  std::filesystem::create_directories(folder.path() / "textures/folder.wal");

  settings::Settings settings;
  settings.block.map.worldKeys = {{"message", "kit.wad"},
                                  {"WAD", " C:\\quake\\id1\\kit.wad ; ;sub/other.wad;missing.wad"}};
  const std::vector<std::string> paths = WadPathsOf(settings);
  EXPECT_EQ(paths,
            (std::vector<std::string>{"C:\\quake\\id1\\kit.wad", "sub/other.wad", "missing.wad"}));

  TextureFinder finder(paths);
  EXPECT_EQ(finder.Find("stone"), TextureSource::kWad);  // by file name, without case
  EXPECT_EQ(finder.Find("METAL"), TextureSource::kWad);  // as written
  EXPECT_EQ(finder.Find("q2/wall"), TextureSource::kWal);
  EXPECT_EQ(finder.Find("h2/rock"), TextureSource::kM8);
  EXPECT_EQ(finder.Find("h2/glow"), TextureSource::kM8);
  EXPECT_EQ(finder.Find("folder"), TextureSource::kNowhere);  // a folder is no texture
  EXPECT_EQ(finder.Find("cw_nosuchtex"), TextureSource::kNowhere);
}

}  // namespace
}  // namespace cw::compiler
