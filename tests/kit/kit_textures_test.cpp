// The kits' textures: the files in the kits are what cryptwright-textures writes, every texture a
// template names is there, and the demos find them (the Quake world names its WAD once).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "document/level_file.h"
#include "kit/kit_fixture.h"
#include "kit/kit_texture_files.h"
#include "kit/wad_file.h"
#include "kit/wal_file.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

using Surface = std::array<std::int64_t, 3>;

// Every face of every template of a kit, or of its demo level built.
std::vector<formats::MapFace> Faces(const std::vector<formats::MapEntity>& entities) {
  std::vector<formats::MapFace> faces;
  for (const auto& entity : entities) {
    for (const auto& brush : entity.brushes)
      faces.insert(faces.end(), brush.faces.begin(), brush.faces.end());
  }
  return faces;
}
std::vector<formats::MapEntity> Demo(Kit kit) {
  return ParseOrFail(
             CompileWithKit(document::ParseLevelFileText(ReadKitFile("works/Demo.pwl", kit)), kit))
      .entities;
}

class TextureToolTest : public ::testing::Test {
 protected:
  ShellRun Run(const std::string& arguments) {
    return Shell("cd " + Quoted(dir_.path().string()) + " && " +
                 Quoted(CW_TOOL_CRYPTWRIGHT_TEXTURES) + " " + arguments);
  }
  std::string Read(const std::string& name) { return ReadFileBytes(dir_.File(name)); }
  TempDir dir_;
};

TEST_F(TextureToolTest, WritesTheKitsFilesByteForByte) {
  std::filesystem::create_directory(dir_.path() / "wal");
  const ShellRun run = Run("--wad k.wad --wal-folder wal --write-palette p.lmp");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read("k.wad"), ReadKitFile("cryptwright.wad"));
  EXPECT_EQ(Read("p.lmp"), ReadKitFile("cryptwright-palette.lmp"));
  EXPECT_EQ(Read("p.lmp"), ReadKitFile("cryptwright-palette.lmp", Kit::kQuake2));
  // The kit's textures folder holds these files and no other.
  for (const auto& entry : std::filesystem::directory_iterator(KitPath("textures", Kit::kQuake2))) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(Read("wal/" + name), ReadFileBytes(entry.path())) << name;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path() / "wal"), {}), 14);
}

TEST_F(TextureToolTest, MatchesTheTexturesToAGivenPaletteAndRefusesWhatItCannotUse) {
  kit::Palette greys;
  for (int i = 0; i < 256; ++i)
    greys[static_cast<std::size_t>(i)] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
  WriteFileBytes(dir_.File("grey.lmp"), kit::EncodePaletteFile(greys));
  EXPECT_EQ(Run("--palette grey.lmp --wad g.wad").status, 0);
  EXPECT_EQ(Read("g.wad"), kit::EncodeWad2(kit::MakeKitMipTextures(greys)));
  WriteFileBytes(dir_.File("short.lmp"), std::string(767, 'x'));
  const std::pair<const char*, const char*> refused[] = {
      {"--palette short.lmp --wad a.wad", "short.lmp: not a 768-byte palette file or a PCX"},
      {"--wal-folder missing", "missing: not a folder"},
      {"--wad no/folder/a.wad", "no/folder/a.wad"}};
  for (const auto& [arguments, message] : refused) {
    const ShellRun run = Run(arguments);
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_THAT(run.output, ::testing::HasSubstr(message)) << arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.wad")));
}

TEST(KitTexturesTest, EveryTextureTheTemplatesNameIsThereForQuakeAndQuake2) {
  const kit::Wad2Read wad = kit::DecodeWad2(ReadKitFile("cryptwright.wad"));
  ASSERT_EQ(wad.problem, "");
  std::set<std::string> inWad, glowing;
  for (const kit::MipTexture& texture : wad.textures) {
    inWad.insert(texture.name);
    const auto wal = kit::DecodeWal(ReadKitFile("textures/" + texture.name + ".wal", Kit::kQuake2));
    ASSERT_TRUE(wal) << texture.name;
    EXPECT_EQ(wal->texture, texture);
    for (const auto& level : texture.levels) {
      for (std::uint8_t index : level) {
        if (index >= kit::kFirstGlowIndex) glowing.insert(texture.name);
      }
    }
  }
  // Only glowing textures use the colours that Quake draws at full brightness.
  EXPECT_EQ(glowing, (std::set<std::string>{"cw_lamp", "cw_tele_glow"}));
  for (Kit kit : {Kit::kQuake, Kit::kQuake2}) {
    std::set<std::string> used;
    for (const std::string& block : KitBlockNames(kit)) {
      for (const formats::MapFace& face :
           Faces(ParseOrFail(ReadKitFile(block + ".map", kit)).entities)) {
        used.insert(face.texture);
      }
    }
    EXPECT_EQ(used, inWad);  // every one used, and every one used there
  }
}

TEST(KitTexturesTest, TheBuiltDemosFindTheirTextures) {
  // Quake: the world names the kit's WAD, once.
  const std::vector<formats::MapEntity> quake = Demo(Kit::kQuake);
  EXPECT_EQ(quake.front().keys, (std::vector<std::pair<std::string, std::string>>{
                                    {"classname", "worldspawn"}, {"wad", "cryptwright.wad"}}));
  for (std::size_t i = 1; i < quake.size(); ++i) EXPECT_FALSE(quake[i].Value("wad"));
  // Quake 2: no WAD; every face keeps its numbers and has its .wal; only Quake 2 classnames.
  const std::vector<formats::MapEntity> quake2 = Demo(Kit::kQuake2);
  EXPECT_EQ(quake2.front().keys.size(), 1u);
  std::size_t lamps = 0;
  for (const formats::MapFace& face : Faces(quake2)) {
    EXPECT_TRUE(face.surface) << "line " << face.line;
    EXPECT_TRUE(std::filesystem::is_regular_file(
        KitPath("textures/" + face.texture + ".wal", Kit::kQuake2)));
    lamps += face.surface == Surface{134217728, 1, 300};
  }
  EXPECT_EQ(lamps, 3u * 6u);  // three lights in the demo, a box of six faces each
  const std::set<std::string> classnames = {
      "worldspawn",    "info_player_start", "light",
      "func_door",     "func_button",       "trigger_multiple",
      "trigger_relay", "misc_teleporter",   "misc_teleporter_dest"};
  std::map<std::string, std::string> targets;
  for (const formats::MapEntity& entity : quake2) {
    EXPECT_TRUE(classnames.count(entity.ClassName())) << entity.ClassName();
    targets[entity.ClassName()] =
        entity.Value("target").value_or(entity.Value("targetname").value_or(""));
  }
  // The teleporter on floor 1 sends the player to the destination on floor 0.
  EXPECT_EQ(targets["misc_teleporter"], "t0500202");
  EXPECT_EQ(targets["misc_teleporter_dest"], "t0500202");
}

}  // namespace
}  // namespace cw::testing
