// The kits' textures: the files in the kits are what cryptwright-textures draws, every texture a
// template names is there, and a built level finds them (the Quake world names its WAD once).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "document/level_file.h"
#include "kit/kit_fixture.h"
#include "kit/kit_texture_files.h"
#include "kit/map_text.h"
#include "kit/texture_palette.h"
#include "kit/wad_file.h"
#include "kit/wal_file.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

const std::string kTool = CW_TOOL_CRYPTWRIGHT_TEXTURES;

document::Level Demo(Kit kit) {
  return document::ParseLevelFileText(ReadKitFile("works/Demo.pwl", kit));
}

// Every texture name of every face of every template of a kit.
std::set<std::string> TemplateTextures(Kit kit) {
  std::set<std::string> names;
  for (const std::string& block : KitBlockNames(kit)) {
    for (const auto& entity : ParseOrFail(ReadKitFile(block + ".map", kit)).entities) {
      for (const auto& brush : entity.brushes) {
        for (const auto& face : brush.faces) names.insert(face.texture);
      }
    }
  }
  return names;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(KitTexturesTest, TheKitsHoldWhatTheToolDrawsWithTheKitPalette) {
  const kit::KitTextureFiles files = kit::MakeKitTextureFiles(kit::KitPalette());
  EXPECT_EQ(ReadKitFile("cryptwright.wad"), files.wad);
  EXPECT_EQ(ReadKitFile("cryptwright-palette.lmp"), files.palette);
  EXPECT_EQ(ReadKitFile("cryptwright-palette.lmp", Kit::kQuake2), files.palette);
  std::vector<std::string> names;
  for (const auto& [name, bytes] : files.wals) {
    names.push_back(name);
    EXPECT_EQ(ReadKitFile("textures/" + name, Kit::kQuake2), bytes) << name;
  }
  EXPECT_THAT(FilesIn(KitPath("textures", Kit::kQuake2)),
              ::testing::UnorderedElementsAreArray(names));
}

TEST(KitTexturesTest, EveryTextureOfTheTemplatesIsInTheWadAndTheTexturesFolder) {
  const kit::Wad2Read wad = kit::DecodeWad2(ReadKitFile("cryptwright.wad"));
  ASSERT_EQ(wad.problem, "");
  std::set<std::string> inWad;
  for (const kit::MipTexture& texture : wad.textures) {
    inWad.insert(texture.name);
    // The same texture, at the same size, for Quake 2.
    const auto wal = kit::DecodeWal(ReadKitFile("textures/" + texture.name + ".wal", Kit::kQuake2));
    ASSERT_TRUE(wal) << texture.name;
    EXPECT_EQ(wal->texture, texture);
  }
  // Every texture is used, and every one used is there, in both kits.
  EXPECT_EQ(TemplateTextures(Kit::kQuake), inWad);
  EXPECT_EQ(TemplateTextures(Kit::kQuake2), inWad);
  EXPECT_EQ(inWad.size(), 14u);
}

TEST(KitTexturesTest, OnlyTexturesThatGlowUseTheColoursQuakeDrawsFullBright) {
  const kit::Wad2Read wad = kit::DecodeWad2(ReadKitFile("cryptwright.wad"));
  std::set<std::string> glowing;
  for (const kit::MipTexture& texture : wad.textures) {
    for (const auto& level : texture.levels) {
      for (std::uint8_t index : level) {
        if (index >= kit::kFirstGlowIndex) glowing.insert(texture.name);
      }
    }
  }
  EXPECT_EQ(glowing, (std::set<std::string>{"cw_lamp", "cw_tele_glow"}));
}

TEST(KitTexturesTest, QuakeTwoTexturesTellTheCompilersWhatTheQuakeTwoFacesSay) {
  // Faces of the Quake 2 kit carry contents, flags and value; each texture's .wal says the same,
  // so id's compilers, which fall back on the .wal, agree with the face lines.
  std::map<std::string, std::array<std::int64_t, 3>> seen;
  for (const std::string& block : KitBlockNames(Kit::kQuake2)) {
    for (const auto& entity : ParseOrFail(ReadKitFile(block + ".map", Kit::kQuake2)).entities) {
      for (const auto& brush : entity.brushes) {
        for (const auto& face : brush.faces) {
          ASSERT_TRUE(face.surface) << block << " line " << face.line;
          const auto [at, added] = seen.emplace(face.texture, *face.surface);
          EXPECT_EQ(at->second, *face.surface) << block << " line " << face.line;
        }
      }
    }
  }
  for (const auto& [name, surface] : seen) {
    const auto wal = kit::DecodeWal(ReadKitFile("textures/" + name + ".wal", Kit::kQuake2));
    ASSERT_TRUE(wal) << name;
    EXPECT_EQ(surface, (std::array<std::int64_t, 3>{wal->surface.contents, wal->surface.flags,
                                                    wal->surface.value}))
        << name;
  }
  EXPECT_EQ(seen.at("cw_lamp"), (std::array<std::int64_t, 3>{134217728, 1, 300}));
}

TEST(KitTexturesTest, TheBuiltQuakeDemoNamesTheWadOnceInItsWorld) {
  const kit::ParsedMap map = ParseOrFail(CompileWithKit(Demo(Kit::kQuake)));
  ASSERT_FALSE(map.entities.empty());
  const kit::MapEntity& world = map.entities.front();
  EXPECT_EQ(world.keys, (std::vector<std::pair<std::string, std::string>>{
                            {"classname", "worldspawn"}, {"wad", "cryptwright.wad"}}));
  for (const kit::MapEntity& entity : map.entities) {
    if (&entity != &world) {
      EXPECT_EQ(entity.Value("wad"), std::nullopt) << entity.ClassName();
    }
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(KitPath("cryptwright.wad")));
}

TEST(KitTexturesTest, TheBuiltQuakeTwoDemoKeepsItsFaceNumbersAndNeedsNoWad) {
  const kit::ParsedMap map = ParseOrFail(CompileWithKit(Demo(Kit::kQuake2), Kit::kQuake2));
  ASSERT_FALSE(map.entities.empty());
  EXPECT_EQ(map.entities.front().keys.size(), 1u);  // the classname alone
  std::size_t faces = 0;
  std::size_t lamps = 0;
  for (const kit::MapEntity& entity : map.entities) {
    for (const auto& brush : entity.brushes) {
      for (const auto& face : brush.faces) {
        ++faces;
        EXPECT_TRUE(face.surface) << "line " << face.line;
        EXPECT_TRUE(std::filesystem::is_regular_file(
            KitPath("textures/" + face.texture + ".wal", Kit::kQuake2)))
            << face.texture;
        if (face.texture == "cw_lamp") {
          ++lamps;
          EXPECT_EQ(face.surface, (std::array<std::int64_t, 3>{134217728, 1, 300}));
        }
      }
    }
  }
  EXPECT_GT(faces, 600u);
  EXPECT_EQ(lamps, 3u * 6u);  // three lights in the demo, a box of six faces each
}

TEST(KitTexturesTest, TheQuakeTwoDemoUsesOnlyQuakeTwoClassnames) {
  const std::set<std::string> quake2 = {
      "worldspawn",    "info_player_start", "light",
      "func_door",     "func_button",       "trigger_multiple",
      "trigger_relay", "misc_teleporter",   "misc_teleporter_dest"};
  std::multimap<std::string, kit::MapEntity> byClass;
  for (const kit::MapEntity& entity :
       ParseOrFail(CompileWithKit(Demo(Kit::kQuake2), Kit::kQuake2)).entities) {
    EXPECT_TRUE(quake2.count(entity.ClassName())) << entity.ClassName();
    byClass.emplace(entity.ClassName(), entity);
  }
  // The teleporter on floor 1 sends the player to the destination on floor 0; it is a point
  // entity in Quake 2, which makes its own trigger.
  ASSERT_EQ(byClass.count("misc_teleporter"), 1u);
  ASSERT_EQ(byClass.count("misc_teleporter_dest"), 1u);
  const kit::MapEntity& teleporter = byClass.find("misc_teleporter")->second;
  EXPECT_EQ(teleporter.Value("target"), "t0500202");
  EXPECT_EQ(byClass.find("misc_teleporter_dest")->second.Value("targetname"), "t0500202");
  EXPECT_TRUE(teleporter.brushes.empty());
  EXPECT_EQ(teleporter.Value("origin"), "1664 -128 164");
}

class TextureToolTest : public ::testing::Test {
 protected:
  ShellRun Run(const std::string& arguments) {
    return Shell("cd " + Quoted(dir_.path().string()) + " && " + Quoted(kTool) + " " + arguments);
  }
  std::string Read(const std::string& name) { return ReadFileBytes(dir_.File(name)); }
  TempDir dir_;
};

TEST_F(TextureToolTest, WritesTheKitsFilesByteForByte) {
  std::filesystem::create_directory(dir_.path() / "wal");
  const ShellRun run = Run("--wad k.wad --wal-folder wal --write-palette p.lmp");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(Read("k.wad"), ReadKitFile("cryptwright.wad"));
  EXPECT_EQ(Read("p.lmp"), ReadKitFile("cryptwright-palette.lmp"));
  for (const std::string& name : FilesIn(KitPath("textures", Kit::kQuake2))) {
    EXPECT_EQ(Read("wal/" + name), ReadKitFile("textures/" + name, Kit::kQuake2)) << name;
  }
}

TEST_F(TextureToolTest, MatchesTheTexturesToTheGivenPalette) {
  // A palette of greys, black to white, as a palette file and inside a PCX picture.
  kit::Palette greys;
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    greys[static_cast<std::size_t>(i)] = {v, v, v};
  }
  const std::string file = kit::EncodePaletteFile(greys);
  WriteFileBytes(dir_.File("grey.lmp"), file);
  WriteFileBytes(dir_.File("grey.pcx"), '\x0A' + std::string(200, '\0') + '\x0C' + file);
  const std::string expected = kit::EncodeWad2(kit::MakeKitMipTextures(greys));
  for (const char* palette : {"grey.lmp", "grey.pcx"}) {
    const ShellRun run =
        Run(std::string("--palette ") + palette + " --wad g.wad --write-palette g.lmp");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Read("g.wad"), expected) << palette;
    EXPECT_EQ(Read("g.lmp"), file) << palette;
  }
  EXPECT_NE(expected, ReadKitFile("cryptwright.wad"));
}

TEST_F(TextureToolTest, RefusesWrongArgumentsAndReportsFilesItCannotReadOrWrite) {
  WriteFileBytes(dir_.File("short.lmp"), std::string(767, 'x'));
  struct Case {
    const char* arguments;
    int status;
    const char* output;
  } cases[] = {
      {"", 2, "nothing to write: give --wad, --wal-folder or --write-palette"},
      {"--wad", 2, "--wad needs a file name"},
      {"--wad ''", 2, "--wad needs a file name"},
      {"--wad a.wad extra", 2, "unknown argument extra"},
      {"--palette none.lmp --wad a.wad", 1, "none.lmp: No such file or directory"},
      {"--palette short.lmp --wad a.wad", 1,
       "short.lmp: not a 768-byte palette file or a PCX picture with a palette"},
      {"--wal-folder missing", 1, "missing: not a folder"},
      {"--wad no/such/folder/a.wad", 1, "no/such/folder/a.wad"},
  };
  for (const Case& c : cases) {
    const ShellRun run = Run(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_THAT(run.output, ::testing::HasSubstr(c.output)) << c.arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.wad")));
  const ShellRun help = Run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.output, ::testing::HasSubstr("Usage: cryptwright-textures"));
}

}  // namespace
}  // namespace cw::testing
