// Inputs the editor refuses at once rather than trusting: pictures whose names would break the
// level file's lines, pictures that are pipes, and a handler that throws something unexpected.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "gui_support/editor_test.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class RefusedInputsTest : public EditorTest {
 protected:
  void SetUp() override { WriteStandardPictures(); }
};

TEST_F(RefusedInputsTest, PicturesNamedWithControlCharactersAreLeftOutWithAWarningEach) {
  for (const std::string name : {"Line\nFeed", "Carriage\rReturn", "Ctrl\x1aZ", "Tab\tbed"})
    WritePicture(name, blockA);
  ASSERT_TRUE(Start());
  EXPECT_EQ(PaletteItems(), QStringList({"", "A", "B", "Unknown"}));
  std::vector<std::string> warnings = Warnings();
  std::sort(warnings.begin(), warnings.end());
  const char* const tail = "\" is left out of the palette: its name holds a control character";
  EXPECT_EQ(warnings,
            (std::vector<std::string>{std::string("the picture \"Carriage?Return.bmp") + tail,
                                      std::string("the picture \"Ctrl?Z.bmp") + tail,
                                      std::string("the picture \"Line?Feed.bmp") + tail,
                                      std::string("the picture \"Tab?bed.bmp") + tail}));
}

TEST_F(RefusedInputsTest, PicturesThatArePipesAreRefusedAtOnce) {
  WritePicture("Pipe", blockA);
  ASSERT_TRUE(Start());
  std::filesystem::remove(File("Pipe.bmp"));
  ASSERT_EQ(::mkfifo(File("Pipe.bmp").c_str(), 0600), 0);
  BlockList() = {"0 1 1 0 Pipe"};
  Editor().RunHandler([&] { Editor().RedrawFloor(); });
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors().front().contains("(Pipe.bmp: not a regular file)"))
      << Errors()[0].toStdString();

  std::filesystem::remove(File("Empty.bmp"));
  ASSERT_EQ(::mkfifo(File("Empty.bmp").c_str(), 0600), 0);
  Errors().clear();
  EXPECT_FALSE(Start());
  EXPECT_EQ(Errors(), QStringList({"Empty.bmp: not a regular file"}));
}

TEST_F(RefusedInputsTest, AHandlerThatThrowsAnythingIsReportedAndTheNextOneRunsWhole) {
  ASSERT_TRUE(Start());
  const int repaints = Views().Repaints();
  Editor().RunHandler([] { throw 42; });
  Editor().RunHandler([&] { Editor().RunHandler([] { throw std::string("inner"); }); });
  EXPECT_EQ(Errors(), QStringList({"An unexpected error stopped the command.",
                                   "An unexpected error stopped the command."}));
  EXPECT_EQ(Views().Repaints(), repaints);  // nothing was drawn
  // What a failing handler drew is shown once, when its message comes up.
  Editor().RunHandler([&] {
    Editor().FillBackground();
    throw 42;
  });
  EXPECT_EQ(Errors().size(), 3);
  EXPECT_EQ(Views().Repaints(), repaints + 1);
  // The depth came back to zero: a handler that draws is an outermost one, and repaints.
  Editor().RunHandler([&] { Editor().FillBackground(); });
  EXPECT_EQ(Views().Repaints(), repaints + 2);
}

}  // namespace
}  // namespace cw::editor
