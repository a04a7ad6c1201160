// A compiler's point file: the points of a leak.
#include "formats/point_file.h"

#include <gtest/gtest.h>

namespace cw::formats {
namespace {

TEST(PointFileTest, PointsOfBothFormatsOneALine) {
  // qbsp writes "%f %f %f" per line; qbsp3's .lin the same. Junk lines are skipped.
  EXPECT_EQ(ParsePointFile("64.000000 -128.500000 32.000000\r\n"
                           "not a point\n"
                           "1 2\n"
                           "-1e2 0 1e1\n"
                           "nan 0 0\n"
                           "3 4 5 extra"),
            (std::vector<MapPoint>{{64, -128.5, 32}, {-100, 0, 10}, {3, 4, 5}}));
  EXPECT_TRUE(ParsePointFile("").empty());
}

}  // namespace
}  // namespace cw::formats
