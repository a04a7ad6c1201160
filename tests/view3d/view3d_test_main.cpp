#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

// The 3D view's tests draw with OpenGL, so they run under an X server (Xvfb with Mesa's software
// renderer in the test run). Test discovery starts this program without one: it lists the tests
// on the offscreen platform.
int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The window's place goes to a settings file of the tests, not to the user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
