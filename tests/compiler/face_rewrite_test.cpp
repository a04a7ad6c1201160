#include "compiler/face_rewrite.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::compiler {
namespace {

using document::BlockRecord;

// A template face line as the passes write it: placed when it parses, copied when it does not.
std::string RewriteFaceLine(std::string_view line, const PlacementSettings& settings,
                            const BlockRecord& record) {
  std::optional<FaceFields> fields = formats::ScanFaceLine(line);
  if (!fields) return std::string(line);
  std::string out;
  RewriteFaceLine(out, PrepareFace(std::move(*fields)), settings, record);
  return out;
}

TEST(FaceRewriteTest, WholeFaceLines) {
  const char* floor = "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 1 1";
  const char* bare = "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1";
  struct Case {
    const char* line;
    BlockRecord record;
    const char* expected;
  } cases[] = {
      // Mirrored: x negated, points 1 and 3 exchanged, the x scale negated.
      {bare, {0, 0, 0, 1, "B"}, "( -64 64 0 ) ( 0 64 0 ) ( 0 0 0 ) WALL 0 0 0 -1 1"},
      // Half turn: no exchange.
      {bare, {0, 0, 0, 3, "B"}, "( 0 0 0 ) ( 0 -64 0 ) ( -64 -64 0 ) WALL 0 0 0 -1 -1"},
      {floor,
       {0, 2, 3, 0, "B"},
       "( 256 -384 0 ) ( 256 -320 0 ) ( 320 -320 0 ) WALL -240 -368 0 1 1"},
      {floor,
       {0, 2, 3, 1, "B"},
       "( 192 -320 0 ) ( 256 -320 0 ) ( 256 -384 0 ) WALL 272 -368 0 -1 1"},
      {floor,
       {0, 2, 3, 4, "B"},
       "( 256 -384 0 ) ( 192 -384 0 ) ( 192 -320 0 ) WALL 400 -240 90 1 1"},
      {"( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 0 300 0.3 1e-05",
       {0, 1, 0, 4, "B"},
       "( 128 0 0 ) ( 64 0 0 ) ( 64 64 0 ) W 1 0 390 0.3 1e-05"},
      {"( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 0 0 0.3 1 ( extra fields )",
       {0, 1, 0, 0, "B"},
       "( 128 0 0 ) ( 128 64 0 ) ( 192 64 0 ) W -425 0 0 0.3 1"},
      {"(0 0 0)(0 64 0)(64 64 0) W 1 0 0 0.1 100000",
       {0, 1, 0, 0, "B"},
       "( 128 0 0 ) ( 128 64 0 ) ( 192 64 0 ) W -1278 0 0 0.1 100000"},
      {"( 0 0 0 ) ( 0 64 0 ) ( 0 64 64 ) SIDE 0 8 0 1 1",
       {2, 0, 0, 0, "B"},
       "( 0 0 256 ) ( 0 64 256 ) ( 0 64 320 ) SIDE 0 264 0 1 1"},
      // Negated scales are written as "%g" writes them, signs of zero and NaN included.
      {"( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 5 5 0 0 nan",
       {0, 1, 0, 3, "B"},
       "( 128 0 0 ) ( 128 -64 0 ) ( 64 -64 0 ) W 5 5 0 -0 -nan"},
      {"( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 5 5 0 -inf 1e40",
       {0, 0, 0, 3, "B"},
       "( 0 0 0 ) ( 0 -64 0 ) ( -64 -64 0 ) W 5 5 0 inf -inf"},
      // A line that does not parse completely is written as it is.
      {"( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1",
       {0, 1, 0, 1, "B"},
       "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RewriteFaceLine(c.line, PlacementSettings{}, c.record), c.expected)
        << c.line << " / " << FormatBlockRecord(c.record);
  }
}

TEST(FaceRewriteTest, EveryMirroringOrientationExchangesPoints) {
  const char* line = "( 1 2 3 ) ( 4 5 6 ) ( 7 8 9 ) W 0 0 0 1 1";
  for (std::int32_t flags = -1; flags <= 8; ++flags) {
    const std::string out = RewriteFaceLine(line, PlacementSettings{}, {0, 0, 0, flags, "B"});
    const bool exchanged = out.find("9 ) W") == std::string::npos;
    EXPECT_EQ(exchanged, flags == 1 || flags == 2 || flags == 5 || flags == 6) << out;
  }
}

}  // namespace
}  // namespace cw::compiler
