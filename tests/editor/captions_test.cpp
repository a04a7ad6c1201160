#include "editor/captions.h"

#include <gtest/gtest.h>

#include "document/level.h"

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

}  // namespace
}  // namespace cw::editor
