// The kits' textures: the files in the kits are what cryptwright-textures writes, matched to the
// palette each game draws them with; every texture a template names is there, with the skip
// texture the compilers look up and the Quake 2 and Heretic II surface flags the faces carry; and
// the demos find them (the Quake world names its WAD once) and give every drawn face a least light.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "document/level_file.h"
#include "formats/game_palettes.h"
#include "formats/m8_file.h"
#include "formats/wad_file.h"
#include "formats/wal_file.h"
#include "kit/kit_fixture.h"
#include "support/test_files.h"
#include "textures/kit_texture_files.h"
#include "textures/kit_textures.h"

namespace cw::testing {
namespace {

using Surface = formats::SurfaceFields;

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

formats::M8Read KitM8(const std::string& name) {
  const auto m8 = formats::DecodeM8(ReadKitFile("textures/" + name + ".m8", Kit::kHeretic2));
  EXPECT_TRUE(m8) << name;
  return m8.value_or(formats::M8Read{});
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
  std::filesystem::create_directory(dir_.path() / "m8");
  // As scripts/make-kit-textures.sh runs it.
  ShellRun run = Run("--wad k.wad --write-palette p.lmp");
  EXPECT_EQ(run.status, 0) << run.output;
  run = Run("--wal-folder wal --write-palette p2.lmp --write-palette colormap.PCX");
  EXPECT_EQ(run.status, 0) << run.output;
  run = Run("--m8-folder m8");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Read("k.wad"), ReadKitFile("cryptwright.wad"));
  EXPECT_EQ(Read("p.lmp"), ReadKitFile("cryptwright-palette.lmp"));
  EXPECT_EQ(Read("p2.lmp"), ReadKitFile("cryptwright-palette.lmp", Kit::kQuake2));
  EXPECT_EQ(Read("colormap.PCX"), ReadKitFile("pics/colormap.pcx", Kit::kQuake2));
  // Each kit's textures folder holds these files and no other.
  for (const auto& [kit, folder] :
       {std::pair(Kit::kQuake2, "wal"), std::pair(Kit::kHeretic2, "m8")}) {
    for (const auto& entry : std::filesystem::directory_iterator(KitPath("textures", kit))) {
      const std::string name = entry.path().filename().string();
      EXPECT_EQ(Read(folder + ("/" + name)), ReadFileBytes(entry.path())) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path() / folder), {}), 15);
  }
}

TEST_F(TextureToolTest, MatchesTheTexturesToAGivenPaletteAndRefusesWhatItCannotUse) {
  formats::Palette greys;
  for (int i = 0; i < 256; ++i)
    greys[static_cast<std::size_t>(i)] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
  WriteFileBytes(dir_.File("grey.lmp"), formats::EncodePaletteFile(greys));
  EXPECT_EQ(Run("--palette grey.lmp --wad g.wad --write-palette g.pcx").status, 0);
  EXPECT_EQ(Read("g.wad"), textures::MakeKitWad("g.wad", greys).bytes);
  EXPECT_EQ(formats::DecodePaletteFile(Read("g.pcx")), greys);
  WriteFileBytes(dir_.File("short.lmp"), std::string(767, 'x'));
  std::filesystem::create_directory(dir_.path() / "wal");
  const struct {
    const char* arguments;
    int status;
    const char* message;
  } refused[] = {
      {"--palette short.lmp --wad a.wad", 1, "short.lmp: not a 768-byte palette file or a PCX"},
      {"--wal-folder missing", 1, "missing: not a folder"},
      {"--m8-folder missing", 1, "missing: not a folder"},
      {"--wad no/folder/a.wad", 1, "no/folder/a.wad"},
      {"--wad a.wad --m8-folder wal --write-palette a.lmp", 2, "--write-palette needs one palette"},
      {"--write-palette a.lmp", 2, "--write-palette needs one palette"}};
  for (const auto& [arguments, status, message] : refused) {
    const ShellRun run = Run(arguments);
    EXPECT_EQ(run.status, status) << arguments;
    EXPECT_THAT(run.output, ::testing::HasSubstr(message)) << arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.wad")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("a.lmp")));
}

int Distance(formats::Rgb a, formats::Rgb b) {
  return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// The pixels of a texture's full-size level whose colour in the game is not the nearest to the
// colour they were drawn in among the colours 0 to `last` of the game's palette.
int PixelsNotShownInTheirNearestColour(const formats::MipTexture& texture,
                                       const formats::Palette& palette, int last) {
  for (const textures::KitTexture& drawing : textures::KitTextures()) {
    if (texture.name != drawing.name) continue;
    const textures::RgbImage drawn = drawing.draw();
    int wrong = 0;
    for (std::size_t i = 0; i < drawn.pixels.size(); ++i) {
      const int shown = Distance(palette[texture.levels[0][i]], drawn.pixels[i]);
      int nearest = shown;
      for (int c = 0; c <= last; ++c) {
        nearest =
            std::min(nearest, Distance(palette[static_cast<std::size_t>(c)], drawn.pixels[i]));
      }
      wrong += texture.levels[0][i] > last || nearest < shown;
    }
    return wrong;
  }
  ADD_FAILURE() << texture.name << " is not a kit texture";
  return -1;
}

// A fingerprint of a palette's 768 bytes (FNV-1a).
std::uint32_t Fingerprint(const formats::Palette& palette) {
  std::uint32_t hash = 2166136261u;
  for (char byte : formats::EncodePaletteFile(palette)) {
    hash = (hash ^ static_cast<std::uint8_t>(byte)) * 16777619u;
  }
  return hash;
}

TEST(KitTexturesTest, TheGamesShowEveryTextureInTheColoursNearestToItsDrawing) {
  // The palettes as published in ericw-tools and DarkPlaces (Quake) and in Quake 2 engines.
  EXPECT_EQ(Fingerprint(formats::QuakePalette()), 0xC8117C1Eu);
  EXPECT_EQ(Fingerprint(formats::Quake2Palette()), 0x5161D8C3u);
  // Each kit's palette files hold the palette its game draws the textures with.
  EXPECT_EQ(formats::DecodePaletteFile(ReadKitFile("cryptwright-palette.lmp")),
            formats::QuakePalette());
  for (const char* file : {"cryptwright-palette.lmp", "pics/colormap.pcx"}) {
    EXPECT_EQ(formats::DecodePaletteFile(ReadKitFile(file, Kit::kQuake2)),
              formats::Quake2Palette());
  }
  const formats::Wad2Read wad = formats::DecodeWad2(ReadKitFile("cryptwright.wad"));
  ASSERT_EQ(wad.problem, "");
  std::set<std::string> fullBright;
  for (const formats::MipTexture& texture : wad.textures) {
    // Quake draws colours 224 to 255 at full brightness: only for glowing textures. Quake 2
    // and ericw-tools take colour 255 for transparent: for none.
    const bool glows = texture.name == "cw_lamp" || texture.name == "cw_tele_glow";
    EXPECT_EQ(
        PixelsNotShownInTheirNearestColour(texture, formats::QuakePalette(), glows ? 254 : 223), 0)
        << texture.name;
    const auto wal =
        formats::DecodeWal(ReadKitFile("textures/" + texture.name + ".wal", Kit::kQuake2));
    ASSERT_TRUE(wal) << texture.name;
    EXPECT_EQ(PixelsNotShownInTheirNearestColour(wal->texture, formats::Quake2Palette(), 254), 0)
        << texture.name;
    // Heretic II draws an .m8 with the palette it carries: the kit's.
    const formats::M8Read m8 = KitM8(texture.name);
    EXPECT_EQ(m8.palette, textures::KitPalette()) << texture.name;
    const formats::MipTexture full{
        texture.name, m8.texture.width, m8.texture.height, {m8.texture.levels.at(0)}};
    EXPECT_EQ(PixelsNotShownInTheirNearestColour(full, textures::KitPalette(), 254), 0)
        << texture.name;
    for (const auto& level : texture.levels) {
      if (std::any_of(level.begin(), level.end(), [](int i) { return i >= 224; })) {
        fullBright.insert(texture.name);
      }
    }
  }
  EXPECT_EQ(fullBright, (std::set<std::string>{"cw_lamp", "cw_tele_glow"}));
}

TEST(KitTexturesTest, EveryTextureTheTemplatesNameIsThereWithTheNumbersItsFacesCarry) {
  const formats::Wad2Read wad = formats::DecodeWad2(ReadKitFile("cryptwright.wad"));
  ASSERT_EQ(wad.problem, "");
  std::set<std::string> inWad;
  std::map<Kit, std::map<std::string, formats::WalSurface>> surfaces;
  for (const formats::MipTexture& texture : wad.textures) {
    inWad.insert(texture.name);
    const auto wal =
        formats::DecodeWal(ReadKitFile("textures/" + texture.name + ".wal", Kit::kQuake2));
    ASSERT_TRUE(wal) << texture.name;
    const formats::M8Read m8 = KitM8(texture.name);
    for (const auto& size : {std::pair(wal->texture.width, wal->texture.height),
                             std::pair(m8.texture.width, m8.texture.height)}) {
      EXPECT_EQ(size, std::pair(texture.width, texture.height)) << texture.name;
    }
    surfaces[Kit::kQuake2][texture.name] = wal->surface;
    surfaces[Kit::kHeretic2][texture.name] = m8.surface;
  }
  // ericw-tools' qbsp looks up "skip" in every compile; Quake 2's tools leave its faces out
  // (surface flags no-draw 0x80 and skip 0x200), as they leave out the trigger's (no-draw).
  // Heretic II's add the material in the flags' top byte: stone, metal, or none (gravel).
  const std::pair<Kit, std::map<std::string, formats::WalSurface>> expected[] = {
      {Kit::kQuake2,
       {{"skip", {0x280, 0, 0}}, {"cw_trigger", {0x80, 0, 0}}, {"cw_rubble", {0, 0, 0}}}},
      {Kit::kHeretic2,
       {{"skip", {0x280, 0, 0}},
        {"cw_trigger", {0x80, 0, 0}},
        {"cw_rubble", {0x02000000, 0, 0}},
        {"cw_bronze_door", {0x01000000, 0, 0}},
        {"cw_lamp", {0x01000001, 134217728, 300}},
        {"cw_tele_glow", {1, 0, 150}}}}};
  for (const auto& [kit, files] : expected) {
    for (const auto& [name, surface] : files) EXPECT_EQ(surfaces[kit][name], surface) << name;
  }
  for (Kit kit : {Kit::kQuake, Kit::kQuake2, Kit::kHeretic2}) {
    std::set<std::string> used = {"skip"};
    for (const std::string& block : KitBlockNames(kit)) {
      for (const formats::MapFace& face :
           Faces(ParseOrFail(ReadKitFile(block + ".map", kit)).entities)) {
        used.insert(face.texture);
        if (kit == Kit::kQuake) continue;
        // A face says what its texture's .wal or .m8 says: contents, flags and value.
        const formats::WalSurface& file = surfaces[kit][face.texture];
        EXPECT_EQ(face.surface, (Surface{file.contents, file.flags, file.value}))
            << block << ".map line " << face.line;
      }
    }
    EXPECT_EQ(used, inWad);  // every one used, and every one used there
  }
}

TEST(KitTexturesTest, TheBuiltDemosFindTheirTexturesAndLightEveryFace) {
  // Quake: the world names the kit's WAD, once, and gives ericw-tools' light a least light for
  // every face of every model.
  const std::vector<formats::MapEntity> quake = Demo(Kit::kQuake);
  EXPECT_EQ(quake.front().keys,
            (std::vector<std::pair<std::string, std::string>>{
                {"classname", "worldspawn"}, {"wad", "cryptwright.wad"}, {"_minlight", "50"}}));
  for (std::size_t i = 1; i < quake.size(); ++i) EXPECT_FALSE(quake[i].Value("wad"));
  // Quake 2 and Heretic II: no WAD; every face keeps its numbers and has its .wal or .m8; only
  // classnames of the game's spawn table, the same in both.
  const std::set<std::string> classnames = {
      "worldspawn",    "info_player_start", "light",
      "func_door",     "func_button",       "trigger_multiple",
      "trigger_relay", "misc_teleporter",   "misc_teleporter_dest"};
  const struct {
    Kit kit;
    const char* extension;
    Surface lamp;
  } kits[] = {{Kit::kQuake2, ".wal", {134217728, 1, 300}},
              {Kit::kHeretic2, ".m8", {134217728, 0x01000001, 300}}};
  for (const auto& [kit, extension, lamp] : kits) {
    SCOPED_TRACE(extension);
    const std::vector<formats::MapEntity> demo = Demo(kit);
    EXPECT_EQ(demo.front().keys, (std::vector<std::pair<std::string, std::string>>{
                                     {"classname", "worldspawn"}, {"_minlight", "0.2"}}));
    std::size_t lamps = 0;
    for (const formats::MapFace& face : Faces(demo)) {
      EXPECT_TRUE(face.surface) << "line " << face.line;
      EXPECT_TRUE(
          std::filesystem::is_regular_file(KitPath("textures/" + face.texture + extension, kit)));
      lamps += face.surface == lamp;
    }
    EXPECT_EQ(lamps, 3u * 6u);  // three lights in the demo, a box of six faces each
    std::map<std::string, std::string> targets;
    for (const formats::MapEntity& entity : demo) {
      EXPECT_TRUE(classnames.count(entity.ClassName())) << entity.ClassName();
      targets[entity.ClassName()] =
          entity.Value("target").value_or(entity.Value("targetname").value_or(""));
      // qrad3 and q2map take the least light of a face from the face's own entity: the world's
      // holds for world faces only, so every brush entity with faces that are drawn carries its
      // own.
      bool drawn = false;
      for (const formats::MapBrush& brush : entity.brushes) {
        for (const formats::MapFace& face : brush.faces)
          drawn = drawn || (face.surface->flags & 0x80) == 0;
      }
      if (drawn) {
        EXPECT_EQ(entity.Value("_minlight"), "0.2") << entity.ClassName();
      }
      // Heretic II takes "message" for a number; literal text goes in "text_msg".
      EXPECT_FALSE(entity.Value("message")) << entity.ClassName();
      if (kit == Kit::kHeretic2 && entity.ClassName() == "trigger_multiple") {
        EXPECT_EQ(entity.Value("text_msg"), "The sigil stirs");
      }
      // Heretic II's teleporter is the brush that the player steps into; Quake 2's a point.
      if (entity.ClassName() == "misc_teleporter") {
        EXPECT_EQ(entity.brushes.size(), kit == Kit::kHeretic2 ? 1u : 0u);
      }
    }
    // The teleporter on floor 1 sends the player to the destination on floor 0.
    EXPECT_EQ(targets["misc_teleporter"], "t0500202");
    EXPECT_EQ(targets["misc_teleporter_dest"], "t0500202");
  }
}

}  // namespace
}  // namespace cw::testing
