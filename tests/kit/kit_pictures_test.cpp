// The kit's pictures are exactly what cryptwright-picture draws from the templates.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "formats/bmp_file.h"
#include "kit/kit_fixture.h"
#include "pictures/block_picture.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

const std::string kTool = CW_TOOL_CRYPTWRIGHT_PICTURE;

// The first three hold for every kit.
class KitPicturesTest : public ::testing::TestWithParam<Kit> {};
INSTANTIATE_TEST_SUITE_P(Kits, KitPicturesTest,
                         ::testing::Values(Kit::kQuake, Kit::kQuake2, Kit::kHeretic2));

TEST_P(KitPicturesTest, EveryBlockHasAPictureAndEveryPictureABlock) {
  std::vector<std::string> pictures;
  for (const auto& entry : std::filesystem::directory_iterator(KitFolder(GetParam()))) {
    if (entry.path().extension() == ".bmp") pictures.push_back(entry.path().stem().string());
  }
  std::vector<std::string> expected = KitBlockNames(GetParam());
  expected.push_back("Empty");
  expected.push_back("Unknown");
  EXPECT_THAT(pictures, ::testing::UnorderedElementsAreArray(expected));
}

TEST_P(KitPicturesTest, EachPictureIsWhatTheLibraryDrawsFromItsTemplate) {
  const Kit k = GetParam();
  for (const std::string& name : KitBlockNames(k)) {
    std::string bytes = ReadKitFile(name + ".bmp", k);
    auto picture = formats::DecodeBmp8(bytes);
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->width, 32) << name;
    EXPECT_EQ(picture->height, 32) << name;
    formats::IndexedPicture drawn =
        pictures::RenderBlockPicture(ParseOrFail(ReadKitFile(name + ".map", k)).entities, {});
    EXPECT_EQ(formats::EncodeBmp8(drawn), bytes) << name;
  }
  EXPECT_EQ(formats::EncodeBmp8(pictures::EmptyPicture()), ReadKitFile("Empty.bmp", k));
  EXPECT_EQ(formats::EncodeBmp8(pictures::UnknownPicture()), ReadKitFile("Unknown.bmp", k));
}

TEST_P(KitPicturesTest, TheToolWritesEachKitPictureByteForByte) {
  const Kit k = GetParam();
  TempDir dir;
  for (const std::string& name : KitBlockNames(k)) {
    std::string out = dir.File(name + ".bmp");
    ShellRun run =
        Shell(Quoted(kTool) + " " + Quoted(KitPath(name + ".map", k)) + " " + Quoted(out));
    EXPECT_EQ(run.status, 0) << name << ": " << run.output;
    EXPECT_EQ(ReadFileBytes(out), ReadKitFile(name + ".bmp", k)) << name;
  }
  for (const char* name : {"Empty", "Unknown"}) {
    std::string out = dir.File(std::string(name) + ".bmp");
    std::string option = name == std::string("Empty") ? "--empty" : "--unknown";
    EXPECT_EQ(Shell(Quoted(kTool) + " " + option + " " + Quoted(out)).status, 0);
    EXPECT_EQ(ReadFileBytes(out), ReadKitFile(std::string(name) + ".bmp", k)) << name;
  }
}

TEST(PictureToolTest, TheToolReportsTemplateProblemsAndStillDraws) {
  TempDir dir;
  WriteFileBytes(dir.File("Bad.map"),
                 "{\r\n\"classname\" \"worldspawn\"\r\n{\r\n"
                 " ( 0 0 8 ) ( 8 0 0 ) ( 0 0 0 ) stone 0 0 0 1 1\r\n"
                 "( 0 0 0 ) ( 1 0 0 ) ( 2 0 0 ) stone 0 0 0 1 1\r\n}\r\n}\r\n");
  ShellRun run =
      Shell(Quoted(kTool) + " " + Quoted(dir.File("Bad.map")) + " " + Quoted(dir.File("Bad.bmp")));
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.output, ::testing::HasSubstr("line 4: indented"));
  EXPECT_THAT(run.output, ::testing::HasSubstr("has collinear points"));
  EXPECT_TRUE(formats::DecodeBmp8(ReadFileBytes(dir.File("Bad.bmp"))));

  ShellRun missing = Shell(Quoted(kTool) + " " + Quoted(dir.File("None.map")) + " " +
                           Quoted(dir.File("None.bmp")));
  EXPECT_EQ(missing.status, 2);
  EXPECT_THAT(missing.output, ::testing::HasSubstr("cannot be read"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("None.bmp")));
  EXPECT_EQ(Shell(Quoted(kTool) + " only-one-argument").status, 2);
  EXPECT_EQ(Shell(Quoted(kTool) + " " + Quoted(KitPath("Wall.map")) + " " +
                  Quoted(dir.File("w.bmp")) + " abc")
                .status,
            2);
}

}  // namespace
}  // namespace cw::testing
