#include "editor/link_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace cw::editor {
namespace {

using Pixels = std::vector<std::pair<std::int64_t, std::int64_t>>;

Pixels LinePixels(PixelPoint from, PixelPoint to, const PixelBounds& bounds) {
  Pixels pixels;
  ForEachLinePixel(from, to, bounds,
                   [&](std::int64_t x, std::int64_t y) { pixels.emplace_back(x, y); });
  return pixels;
}

constexpr PixelBounds kWide{-1000, -1000, 1000, 1000};

TEST(CellOfPoint, DividesByThirtyTwoTruncatingTowardZero) {
  struct Case {
    std::int64_t x, y;
    GridCell cell;
  };
  for (const Case& c : {Case{70, 40, {2, 1}}, Case{31, 31, {0, 0}}, Case{32, 32, {1, 1}},
                        Case{-20, 5, {0, 0}}, Case{-40, -64, {-1, -2}}, Case{1100, 0, {34, 0}}}) {
    EXPECT_EQ(CellOfPoint(c.x, c.y), c.cell) << c.x << "," << c.y;
  }
  EXPECT_EQ(CellCentre(2, 1), (PixelPoint{80, 48}));
  EXPECT_EQ(CellCentre(-1, 0), (PixelPoint{-16, 16}));
}

TEST(LinkArrowHead, SitsAtTheMidpointWithBarbsTrailingFromTheEnd) {
  struct Case {
    PixelPoint from, to;
    ArrowHead head;
  };
  const Case cases[] = {
      // Straight links: 7 pixels back along each axis.
      {{16, 16}, {80, 16}, {{48, 16}, {41, 9}, {41, 23}}},
      {{80, 16}, {16, 16}, {{48, 16}, {55, 23}, {55, 9}}},
      {{16, 16}, {16, 80}, {{16, 48}, {23, 41}, {9, 41}}},
      // Slanted: 7 * (-32) / 96 truncates to -2, toward zero.
      {{16, 16}, {80, 48}, {{48, 32}, {46, 25}, {41, 34}}},
      {{80, 48}, {16, 16}, {{48, 32}, {50, 39}, {55, 30}}},
      // A diagonal link: 7 pixels along one axis.
      {{16, 16}, {48, 48}, {{32, 32}, {32, 25}, {25, 32}}},
      // Negative products truncate toward zero: 7 * (-32) / 96 is -2, not -3.
      {{-16, 16}, {16, -48}, {{0, -16}, {-7, -14}, {2, -9}}},
  };
  for (const Case& c : cases) {
    const auto head = LinkArrowHead(c.from, c.to);
    ASSERT_TRUE(head.has_value());
    EXPECT_EQ(*head, c.head) << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
  }
}

TEST(LinkArrowHead, NoneBetweenTheSameCentre) {
  EXPECT_FALSE(LinkArrowHead({48, 48}, {48, 48}).has_value());
}

TEST(ForEachLinePixel, LeavesOutTheEndPixel) {
  EXPECT_EQ(LinePixels({2, 5}, {6, 5}, kWide), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
  EXPECT_EQ(LinePixels({6, 5}, {2, 5}, kWide), (Pixels{{6, 5}, {5, 5}, {4, 5}, {3, 5}}));
  EXPECT_EQ(LinePixels({1, 1}, {1, -2}, kWide), (Pixels{{1, 1}, {1, 0}, {1, -1}}));
  EXPECT_EQ(LinePixels({0, 0}, {3, 3}, kWide), (Pixels{{0, 0}, {1, 1}, {2, 2}}));
  EXPECT_TRUE(LinePixels({4, 4}, {4, 4}, kWide).empty());
}

TEST(ForEachLinePixel, StepsOnePixelAlongTheLongerAxis) {
  // 2 across over 7 down: one pixel per row, never a gap.
  const Pixels pixels = LinePixels({48, 32}, {46, 25}, kWide);
  ASSERT_EQ(pixels.size(), 7u);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    EXPECT_EQ(pixels[i].second, 32 - static_cast<std::int64_t>(i));
    if (i > 0) {
      EXPECT_LE(std::abs(pixels[i].first - pixels[i - 1].first), 1);
    }
  }
  EXPECT_EQ(pixels.front(), (std::pair<std::int64_t, std::int64_t>{48, 32}));
  EXPECT_EQ(pixels.back(), (std::pair<std::int64_t, std::int64_t>{46, 26}));
}

TEST(ForEachLinePixel, BoundsKeepTheSamePixelsOfTheLine) {
  // Clipping must not move the line: the clipped pixels are exactly the unclipped ones inside.
  const PixelBounds bounds{3, 2, 41, 29};
  const std::vector<std::pair<PixelPoint, PixelPoint>> lines = {
      {{-30, -7}, {70, 40}}, {{70, 40}, {-30, -7}}, {{10, -50}, {25, 90}}, {{25, 90}, {10, -50}},
      {{0, 28}, {60, 28}},   {{20, 1}, {20, 29}},   {{-5, 40}, {50, -20}}, {{5, 5}, {9, 7}}};
  for (const auto& [from, to] : lines) {
    Pixels expected;
    for (const auto& p : LinePixels(from, to, kWide)) {
      if (p.first >= bounds.left && p.first < bounds.right && p.second >= bounds.top &&
          p.second < bounds.bottom) {
        expected.push_back(p);
      }
    }
    EXPECT_EQ(LinePixels(from, to, bounds), expected) << from.x << "," << from.y;
  }
}

TEST(ForEachLinePixel, FarOffEndVisitsOnlyThePixelsInside) {
  // The far end of a link to a cell far outside the grid: the line is only walked on the canvas.
  const std::int64_t far = 32LL * 2'000'000'000LL + 16;
  const Pixels pixels = LinePixels({16, 16}, {far, 16}, {0, 0, 100, 100});
  ASSERT_EQ(pixels.size(), 84u);
  EXPECT_EQ(pixels.front().first, 16);
  EXPECT_EQ(pixels.back().first, 99);
  const Pixels back = LinePixels({far, far}, {16, 16}, {0, 0, 100, 100});
  EXPECT_EQ(back.size(), 83u);  // 99..17 on the diagonal; (16, 16) is the left-out end
}

}  // namespace
}  // namespace cw::editor
