#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "formats/map_text.h"
#include "scene/polyhedron.h"

namespace cw::scene {
namespace {

using formats::MapBrush;
using formats::MapFace;
using formats::ParsedMap;
using formats::ParseMapText;

// A brush from face lines, one per line.
MapBrush Brush(const std::string& faces) {
  ParsedMap map = ParseMapText("{\n\"classname\" \"worldspawn\"\n{\n" + faces + "}\n}\n");
  EXPECT_TRUE(map.errors.empty()) << map.errors.front();
  return map.entities.at(0).brushes.at(0);
}

// The box -64..64 x -64..64 x 0..8, faces clockwise seen from outside.
const std::string kBoxFaces =
    "( -64 -64 8 ) ( 64 -64 0 ) ( -64 -64 0 ) t 0 0 0 1 1\n"
    "( 64 -64 8 ) ( 64 64 0 ) ( 64 -64 0 ) t 0 0 0 1 1\n"
    "( 64 64 8 ) ( -64 64 0 ) ( 64 64 0 ) t 0 0 0 1 1\n"
    "( -64 64 8 ) ( -64 -64 0 ) ( -64 64 0 ) t 0 0 0 1 1\n"
    "( 64 64 8 ) ( 64 -64 8 ) ( -64 -64 8 ) top 0 0 0 1 1\n"
    "( -64 -64 0 ) ( 64 -64 0 ) ( 64 64 0 ) t 0 0 0 1 1\n";

std::string ReplaceLine(const std::string& faces, int index, const std::string& line) {
  std::string result;
  std::size_t start = 0;
  for (int i = 0; start < faces.size(); ++i) {
    std::size_t end = faces.find('\n', start);
    result += (i == index ? line : faces.substr(start, end - start)) + "\n";
    start = end + 1;
  }
  return result;
}

TEST(BrushSolidTest, ABoxIsASoundSolidWithItsVolumeAndBounds) {
  BrushReport report = CheckBrush(Brush(kBoxFaces));
  ASSERT_TRUE(report.problems.empty()) << report.problems.front();
  ASSERT_TRUE(report.solid);
  EXPECT_DOUBLE_EQ(report.solid->volume, 128.0 * 128.0 * 8.0);
  EXPECT_DOUBLE_EQ(report.solid->bounds.min.x, -64);
  EXPECT_DOUBLE_EQ(report.solid->bounds.max.y, 64);
  EXPECT_DOUBLE_EQ(report.solid->bounds.min.z, 0);
  EXPECT_DOUBLE_EQ(report.solid->bounds.max.z, 8);
  for (const auto& polygon : report.solid->polygons) EXPECT_EQ(polygon.size(), 4u);
}

TEST(BrushSolidTest, ASlantedWedgeIsSound) {
  // A wedge whose top slopes from z 0 at x -64 to z 64 at x 64: five faces, one not axial.
  BrushReport report =
      CheckBrush(Brush("( -64 -64 0 ) ( 64 -64 0 ) ( 64 64 0 ) t 0 0 0 1 1\n"
                       "( 64 64 0 ) ( 64 -64 0 ) ( 64 64 64 ) t 0 0 0 1 1\n"
                       "( 64 64 0 ) ( 64 64 64 ) ( -64 64 0 ) t 0 0 0 1 1\n"
                       "( -64 -64 0 ) ( 64 -64 64 ) ( 64 -64 0 ) t 0 0 0 1 1\n"
                       "( -64 -64 0 ) ( -64 64 0 ) ( 64 64 64 ) t 0 0 0 1 1\n"));
  ASSERT_TRUE(report.problems.empty()) << report.problems.front();
  EXPECT_DOUBLE_EQ(report.solid->volume, 128.0 * 128.0 * 64.0 / 2);
}

TEST(BrushSolidTest, ReportsBrushesThatAreNotClosedConvexSolids) {
  struct Case {
    const char* what;
    std::string faces;
    const char* problem;
  };
  const Case cases[] = {
      {"collinear points",
       ReplaceLine(kBoxFaces, 2, "( 0 64 8 ) ( 32 64 8 ) ( 64 64 8 ) t 0 0 0 1 1"),
       "face 3 (line 6) has collinear points"},
      {"one face turned inward",
       ReplaceLine(kBoxFaces, 4, "( -64 -64 8 ) ( 64 -64 8 ) ( 64 64 8 ) top 0 0 0 1 1"),
       "the faces do not enclose a finite solid"},
      {"a face missing", ReplaceLine(kBoxFaces, 4, ""), "the faces do not enclose a finite solid"},
      {"a redundant face outside the solid",
       kBoxFaces + "( 64 64 16 ) ( 64 -64 16 ) ( -64 -64 16 ) top 0 0 0 1 1\n",
       "face 7 (line 10) does not bound the solid (redundant or facing inward)"},
      {"all faces turned inward",
       "( -64 -64 0 ) ( 64 -64 0 ) ( -64 -64 8 ) t 0 0 0 1 1\n"
       "( 64 -64 0 ) ( 64 64 0 ) ( 64 -64 8 ) t 0 0 0 1 1\n"
       "( 64 64 0 ) ( -64 64 0 ) ( 64 64 8 ) t 0 0 0 1 1\n"
       "( -64 64 0 ) ( -64 -64 0 ) ( -64 64 8 ) t 0 0 0 1 1\n"
       "( -64 -64 8 ) ( 64 -64 8 ) ( 64 64 8 ) t 0 0 0 1 1\n"
       "( 64 64 0 ) ( 64 -64 0 ) ( -64 -64 0 ) t 0 0 0 1 1\n",
       "face 1 (line 4) does not bound the solid (redundant or facing inward)"},
      {"three faces",
       "( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) t 0 0 0 1 1\n"
       "( 0 0 0 ) ( 0 1 0 ) ( 0 0 1 ) t 0 0 0 1 1\n"
       "( 0 0 0 ) ( 0 0 1 ) ( 1 0 0 ) t 0 0 0 1 1\n",
       "fewer than four faces cannot enclose a solid"},
  };
  for (const Case& c : cases) {
    BrushReport report = CheckBrush(Brush(c.faces));
    EXPECT_FALSE(report.solid) << c.what;
    EXPECT_THAT(report.problems, ::testing::Contains(c.problem)) << c.what;
  }
}

TEST(BrushSolidTest, FacePlanePointsOutOfTheSolid) {
  MapBrush box = Brush(kBoxFaces);
  auto top = FacePlane(box.faces[4]);
  ASSERT_TRUE(top);
  EXPECT_GT(top->normal.z, 0);
  EXPECT_LT(top->Side({0, 0, 4}), 0);
  EXPECT_GT(top->Side({0, 0, 9}), 0);
  auto west = FacePlane(box.faces[3]);
  EXPECT_LT(west->normal.x, 0);
}

TEST(BrushSolidTest, VerticalColumnGivesTheSpanAndTheCappingFace) {
  MapBrush wedge = Brush(
      "( -64 -64 0 ) ( 64 -64 0 ) ( 64 64 0 ) t 0 0 0 1 1\n"
      "( 64 64 0 ) ( 64 -64 0 ) ( 64 64 64 ) t 0 0 0 1 1\n"
      "( 64 64 0 ) ( 64 64 64 ) ( -64 64 0 ) t 0 0 0 1 1\n"
      "( -64 -64 0 ) ( 64 -64 64 ) ( 64 -64 0 ) t 0 0 0 1 1\n"
      "( -64 -64 0 ) ( -64 64 0 ) ( 64 64 64 ) slope 0 0 0 1 1\n");
  std::vector<Plane> planes;
  for (const MapFace& face : wedge.faces) planes.push_back(*FacePlane(face));
  auto middle = VerticalColumn(planes, 0, 10);
  ASSERT_TRUE(middle);
  EXPECT_DOUBLE_EQ(middle->bottom, 0);
  EXPECT_DOUBLE_EQ(middle->top, 32);
  EXPECT_EQ(middle->topPlane, 4u);
  EXPECT_DOUBLE_EQ(VerticalColumn(planes, 32, 0)->top, 48);
  EXPECT_FALSE(VerticalColumn(planes, 70, 0));
  EXPECT_FALSE(VerticalColumn(planes, 0, -65));
}

}  // namespace
}  // namespace cw::scene
