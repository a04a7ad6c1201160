#pragma once

#include <gtest/gtest.h>

#include "gui_support/editor_harness.h"

namespace cw::testing {

// A test of the editor with pictures of known pixels in the test palette: "Empty.bmp" in index 1
// everywhere, "A" numbered, "B" and "Unknown" solid.
class EditorTest : public ::testing::Test, public EditorHarness {
 protected:
  explicit EditorTest(std::unique_ptr<HarnessWindows> windows = nullptr)
      : EditorHarness(std::move(windows)) {}

  void WriteStandardPictures() {
    WritePicture("Empty", empty);
    WritePicture("A", blockA);
    WritePicture("B", blockB);
    WritePicture("Unknown", unknown);
  }

  IndexedPicture empty = SolidPicture(32, 32, 1);
  IndexedPicture blockA = NumberedPicture(32, 32);
  IndexedPicture blockB = SolidPicture(32, 32, 2);
  IndexedPicture unknown = SolidPicture(32, 32, 3);
};

}  // namespace cw::testing
