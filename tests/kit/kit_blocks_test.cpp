// The bundled blocks: authored by the rules the compiler reads them by, sound solids in every
// orientation, each inside its own cell, and pictures that turn exactly as the geometry does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "formats/bmp_file.h"
#include "formats/map_text.h"
#include "kit/kit_fixture.h"
#include "pictures/block_picture.h"
#include "pictures/template_check.h"
#include "scene/polyhedron.h"

namespace cw::testing {
namespace {

using formats::MapEntity;

// The cell every block is built in: floor 1, column 1, row 1; its footprint and height.
constexpr double kCentreX = 128, kCentreY = -128, kFloorZ = 128;
// Corners found by clipping carry rounding far below a map unit.
constexpr double kTolerance = 1e-6;

std::string Record(int flags, const std::string& name) {
  return "1 1 1 " + std::to_string(flags) + " " + name;
}

TEST(QuakeKitBlocksTest, TheKitHoldsTheBlocksOfAPlayableLevel) {
  std::vector<std::string> names = KitBlockNames();
  EXPECT_GE(names.size(), 14u);
  // What the entities of the kit must offer between them.
  bool doorNamedT0 = false, buttonWithKTarget = false, triggerWithLocalTarget = false,
       light = false, start = false, teleportWithKTarget = false, destinationNamedT0 = false;
  for (const std::string& name : names) {
    EXPECT_LE(name.size(), 15u) << name;
    EXPECT_EQ(name.find_first_of(" \t/\\"), std::string::npos) << name;
    for (const MapEntity& entity : ParseOrFail(ReadKitFile(name + ".map")).entities) {
      std::string className = entity.ClassName();
      std::string target = entity.Value("target").value_or("");
      std::string targetName = entity.Value("targetname").value_or("");
      doorNamedT0 |= className == "func_door" && targetName == "t0" && !entity.brushes.empty();
      buttonWithKTarget |= className == "func_button" && target.starts_with("k");
      triggerWithLocalTarget |= className == "trigger_multiple" && target == "t0";
      light |= className == "light";
      start |= className == "info_player_start";
      teleportWithKTarget |= className == "trigger_teleport" && target.starts_with("k");
      destinationNamedT0 |= className == "info_teleport_destination" && targetName == "t0";
    }
  }
  EXPECT_TRUE(doorNamedT0);
  EXPECT_TRUE(buttonWithKTarget);
  EXPECT_TRUE(triggerWithLocalTarget);
  EXPECT_TRUE(light);
  EXPECT_TRUE(start);
  EXPECT_TRUE(teleportWithKTarget);
  EXPECT_TRUE(destinationNamedT0);
}

// The tests below hold for every kit.
class KitBlocksTest : public ::testing::TestWithParam<Kit> {};
INSTANTIATE_TEST_SUITE_P(Kits, KitBlocksTest,
                         ::testing::Values(Kit::kQuake, Kit::kQuake2, Kit::kHeretic2));

TEST_P(KitBlocksTest, EveryTemplateFollowsTheAuthoringRules) {
  bool someOffset = false;
  for (const std::string& name : KitBlockNames(GetParam())) {
    std::string text = ReadKitFile(name + ".map", GetParam());
    EXPECT_THAT(pictures::CheckTemplateText(text), ::testing::IsEmpty()) << name;
    formats::ParsedMap map = ParseOrFail(text);
    ASSERT_FALSE(map.entities.empty()) << name;
    EXPECT_EQ(map.entities.front().ClassName(), "worldspawn") << name;
    for (const MapEntity& entity : map.entities) {
      for (const auto& brush : entity.brushes) {
        for (const auto& face : brush.faces) {
          someOffset |= face.xOffset != 0 || face.yOffset != 0;
          // Texture offsets on a grid of 64 keep neighbouring cells' textures in step.
          EXPECT_EQ(face.xScale, 1) << name << " line " << face.line;
          EXPECT_EQ(face.yScale, 1) << name << " line " << face.line;
        }
      }
    }
  }
  EXPECT_TRUE(someOffset) << "no face shows the realignment of texture offsets";
}

TEST_P(KitBlocksTest, EveryBlockIsSoundAndInsideItsCellInAllEightOrientations) {
  for (const std::string& name : KitBlockNames(GetParam())) {
    for (int flags = 0; flags < 8; ++flags) {
      SCOPED_TRACE(name + " flags " + std::to_string(flags));
      formats::ParsedMap map =
          ParseOrFail(CompileWithKit(OneBlockLevel(Record(flags, name)), GetParam()));
      std::size_t brushes = 0;
      for (const MapEntity& entity : map.entities) {
        for (const auto& brush : entity.brushes) {
          ++brushes;
          scene::BrushReport report = scene::CheckBrush(brush);
          EXPECT_THAT(report.problems, ::testing::IsEmpty()) << "brush at line " << brush.line;
          if (!report.solid) continue;
          const scene::Box& box = report.solid->bounds;
          EXPECT_GE(box.min.x, kCentreX - 64 - kTolerance) << "line " << brush.line;
          EXPECT_LE(box.max.x, kCentreX + 64 + kTolerance) << "line " << brush.line;
          EXPECT_GE(box.min.y, kCentreY - 64 - kTolerance) << "line " << brush.line;
          EXPECT_LE(box.max.y, kCentreY + 64 + kTolerance) << "line " << brush.line;
          EXPECT_GE(box.min.z, kFloorZ - kTolerance) << "line " << brush.line;
          EXPECT_LE(box.max.z, kFloorZ + 128 + kTolerance) << "line " << brush.line;
        }
        if (auto origin = entity.Value("origin")) {
          double x = 0, y = 0, z = 0;
          ASSERT_EQ(std::sscanf(origin->c_str(), "%lf %lf %lf", &x, &y, &z), 3);
          EXPECT_LT(std::abs(x - kCentreX), 64);
          EXPECT_LT(std::abs(y - kCentreY), 64);
          EXPECT_GT(z, kFloorZ);
          EXPECT_LT(z, kFloorZ + 128);
        }
      }
      EXPECT_GT(brushes, 0u);
    }
  }
}

// Where the floor view moves pixel (x, y) of a 32 x 32 picture for each orientation: a quarter
// turn counter-clockwise first, then the mirrors.
std::pair<int, int> TurnedPixel(int flags, int x, int y) {
  constexpr int n = 31;
  switch (flags) {
    case 1:
      return {n - x, y};
    case 2:
      return {x, n - y};
    case 3:
      return {n - x, n - y};
    case 4:
      return {y, n - x};
    case 5:
      return {n - y, n - x};
    case 6:
      return {y, x};
    case 7:
      return {n - y, x};
    default:
      return {x, y};
  }
}

TEST_P(KitBlocksTest, EachPictureTurnsExactlyAsItsBuiltBlock) {
  pictures::PictureView view;
  view.centreX = kCentreX;
  view.centreY = kCentreY;
  view.floorZ = kFloorZ;
  for (const std::string& name : KitBlockNames(GetParam())) {
    auto picture = formats::DecodeBmp8(ReadKitFile(name + ".bmp", GetParam()));
    ASSERT_TRUE(picture) << name;
    for (int flags = 1; flags < 8; ++flags) {
      formats::ParsedMap map =
          ParseOrFail(CompileWithKit(OneBlockLevel(Record(flags, name)), GetParam()));
      formats::IndexedPicture built = pictures::RenderBlockPicture(map.entities, view);
      formats::IndexedPicture turned = *picture;
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
          auto [tx, ty] = TurnedPixel(flags, x, y);
          turned.At(tx, ty) = picture->At(x, y);
        }
      }
      EXPECT_EQ(built.pixels, turned.pixels) << name << " flags " << flags;
    }
  }
}

}  // namespace
}  // namespace cw::testing
