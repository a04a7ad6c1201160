#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "forms/start_up.h"
#include "support/bmp_writer.h"
#include "support/test_files.h"

namespace cw::testing {

// Stands in for the dialogs, the error box and the post-build step, and remembers every call.
struct RecordedServices {
  // The dialogs' answers in turn; a null text, or none left, is a cancel.
  QStringList answers;
  std::vector<editor::FileDialogRequest> requests;
  QStringList errors;
  std::vector<std::string> postBuilds;

  editor::EditorServices Services();
};

// The opaque canvas colour of a test palette index.
QRgb CanvasColour(std::uint8_t index);

// Whether the canvas shows the picture with its top-left corner at (left, top), every pixel of
// it that lies on the canvas.
::testing::AssertionResult ShowsPicture(const QImage& canvas, int left, int top,
                                        const IndexedPicture& picture);

// A temporary folder made the current directory, with an editor whose services are recorded.
// Start() opens the program's windows there, as the program does at start-up.
class EditorTest : public ::testing::Test {
 protected:
  // "Empty.bmp" in index 1 everywhere, and three blocks "A", "B", "Unknown" with their own
  // numbered or solid pictures.
  void WriteStandardPictures();
  void WritePicture(const std::string& blockName, const IndexedPicture& picture);
  void Start();

  forms::TForm1& ToolBox() { return *windows->toolBox; }
  forms::TForm2& FloorView() { return *windows->floorView; }
  QImage& Canvas() { return editor.FloorCanvas(); }
  QImage& Preview();
  QStringList PaletteItems();

  TempDir folder;
  CurrentDirectoryGuard inFolder{folder.path()};
  RecordedServices recorded;
  editor::Editor editor{recorded.Services()};
  std::optional<forms::EditorWindows> windows;

  IndexedPicture empty = SolidPicture(32, 32, 1);
  IndexedPicture blockA = NumberedPicture(32, 32);
  IndexedPicture blockB = SolidPicture(32, 32, 2);
  IndexedPicture unknown = SolidPicture(32, 32, 3);
};

}  // namespace cw::testing
