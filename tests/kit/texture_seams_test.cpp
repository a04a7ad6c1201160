// The seams between neighbouring blocks where a texture does not continue.
#include "support/texture_seams.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/map_compiler.h"
#include "kit/kit_fixture.h"
#include "platform/line_sink.h"

namespace cw::testing {
namespace {

// A block of one slab over the whole cell, z 0 to 8: its top face textured TOP at the offsets
// given (line 9 of a built map), its four sides SIDE at theirs (lines 5 to 8).
std::string Slab(const std::string& top, const std::string& side) {
  std::string text = "{\r\n\"classname\" \"worldspawn\"\r\n{\r\n";
  for (const char* points :
       {"( -64 -64 8 ) ( 64 -64 0 ) ( -64 -64 0 )", "( 64 -64 8 ) ( 64 64 0 ) ( 64 -64 0 )",
        "( 64 64 8 ) ( -64 64 0 ) ( 64 64 0 )", "( -64 64 8 ) ( -64 -64 0 ) ( -64 64 0 )"}) {
    text += std::string(points) + " SIDE " + side + " 0 1 1\r\n";
  }
  return text + "( 64 64 8 ) ( 64 -64 8 ) ( -64 -64 8 ) TOP " + top +
         " 0 1 1\r\n( -64 -64 0 ) ( 64 -64 0 ) ( 64 64 0 ) BOTTOM 0 0 0 1 1\r\n}\r\n}\r\n";
}

std::vector<PlacedFace> Placed(const std::string& blockTemplate, const std::string& record) {
  compiler::MemoryTemplateSource templates;
  templates.Add("S", blockTemplate);
  document::Level level;
  level.BlockList = {record};
  platform::TextLineSink out;
  EXPECT_TRUE(compiler::CompileMap(level, {}, templates, out).empty());
  return CollectPlacedFaces(cw::testing::ParseOrFail(out.text()).entities);
}

std::vector<std::string> SeamsBetween(const std::string& blockTemplate, const std::string& first,
                                      const std::string& second,
                                      const std::map<std::string, TextureSize>& sizes) {
  const SeamSearch search =
      FindTextureSeams(Placed(blockTemplate, first), Placed(blockTemplate, second), sizes,
                       first.substr(6, 1) != second.substr(6, 1));
  EXPECT_GT(search.sharedEdges, 0u) << first << " / " << second;
  std::vector<std::string> found;
  for (const TextureSeam& seam : search.seams) {
    found.push_back(seam.texture + " " + std::to_string(seam.firstLine) + "/" +
                    std::to_string(seam.secondLine));
  }
  return found;
}

TEST(TextureSeamsTest, AHalfTileOffsetTilesInEveryOrientationAQuarterDoesNot) {
  const std::map<std::string, TextureSize> sizes = {
      {"TOP", {128, 128}}, {"SIDE", {64, 64}}, {"BOTTOM", {128, 128}}};
  using Found = std::vector<std::string>;
  // A quarter of a 128 texture moves with its block and is mirrored off the tile's grid by an
  // X flip: along the edge between the two rows the grid lines no longer meet.
  EXPECT_EQ(SeamsBetween(Slab("32 32", "0 8"), "0 1 1 0 S", "0 1 2 1 S", sizes),
            (Found{"TOP 9/9"}));
  EXPECT_EQ(SeamsBetween(Slab("32 32", "0 8"), "0 1 1 0 S", "0 1 2 0 S", sizes), Found{});
  // Half a tile, or none at all: every orientation keeps the grid.
  for (const char* offsets : {"64 64", "0 0"}) {
    for (int flags = 0; flags < 8; ++flags) {
      for (const char* neighbour : {"0 2 1 ", "0 1 2 ", "0 0 1 ", "0 1 0 "}) {
        const std::string record = neighbour + std::to_string(flags) + " S";
        EXPECT_EQ(SeamsBetween(Slab(offsets, "0 8"), "0 1 1 0 S", record, sizes), Found{})
            << offsets << " / " << record;
      }
    }
  }
}

TEST(TextureSeamsTest, QuarterTurnsNeedSquareFloorsAndWallsATextureThatFitsTheCell) {
  using Found = std::vector<std::string>;
  EXPECT_EQ(SeamsBetween(Slab("0 0", "0 8"), "0 1 1 0 S", "0 2 1 4 S", {{"TOP", {128, 64}}}),
            (Found{"TOP 9/9"}));
  EXPECT_EQ(SeamsBetween(Slab("0 0", "0 8"), "0 1 1 0 S", "0 2 1 3 S", {{"TOP", {128, 64}}}),
            Found{});
  EXPECT_EQ(SeamsBetween(Slab("0 0", "0 8"), "0 1 1 0 S", "0 2 1 4 S", {{"TOP", {64, 64}}}),
            Found{});
  // The south and north sides run on into the neighbour's along X; 48 does not divide the 128 of
  // a cell, so even the same orientation leaves a seam.
  EXPECT_EQ(SeamsBetween(Slab("0 0", "16 8"), "0 1 1 0 S", "0 2 1 0 S", {{"SIDE", {48, 64}}}),
            (Found{"SIDE 5/5", "SIDE 7/7"}));
  EXPECT_EQ(SeamsBetween(Slab("0 0", "16 8"), "0 1 1 0 S", "0 2 1 1 S", {{"SIDE", {64, 64}}}),
            Found{});
}

}  // namespace
}  // namespace cw::testing
