#include "editor/captions.h"

#include <gtest/gtest.h>

#include "document/level.h"
#include "editor/readable_time.h"

namespace cw::editor {
namespace {

TEST(Captions, FloorAndLinkTexts) {
  EXPECT_EQ(FloorCaption(0, "NoName"), "  Floor 0    NoName");
  EXPECT_EQ(FloorCaption(-8, "a.b"), "  Floor -8    a.b");
  EXPECT_EQ(LinkCountCaption(0), "Links  total 0");
  EXPECT_EQ(LinkCountCaption(12), "Links  total 12");
  EXPECT_EQ(CellLinkCaption(2, 1), "Links  out 2 in 1");
  EXPECT_EQ(document::Level{}.DocumentName, "NoName");
}

// The recovery question showed "2026-12-10T01:47:27".
TEST(ReadableTime, TodayYesterdayOrTheDate) {
  const QDateTime now(QDate(2026, 12, 10), QTime(9, 30));
  EXPECT_EQ(ReadableTime(QDateTime(QDate(2026, 12, 10), QTime(1, 47, 27)), now), "today 01:47");
  EXPECT_EQ(ReadableTime(QDateTime(QDate(2026, 12, 9), QTime(23, 5)), now), "yesterday 23:05");
  EXPECT_EQ(ReadableTime(QDateTime(QDate(2026, 11, 30), QTime(14, 2)), now), "on 2026-11-30 at 14:02");
}

}  // namespace
}  // namespace cw::editor
