#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// The windows' tests drive real widgets; without a display they run on the offscreen platform.
// Test discovery starts this program without the test environment, so the platform is chosen
// here.
int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
