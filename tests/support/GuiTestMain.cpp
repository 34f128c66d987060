// Test main of the gui tests: the program's own Qt application object (with its general error
// display) on Qt's offscreen platform, chosen before the object exists since test discovery runs
// this binary at build time without a display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/forms/Application.h"
#include "platform/system/Finalization.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  TQtApplication application(argc, argv);
  const int result = RUN_ALL_TESTS();
  FinalizeUnits();  // while the Qt application object still exists
  return result;
}
