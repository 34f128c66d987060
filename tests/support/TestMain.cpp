// Test main: Qt's offscreen platform is chosen before any application object exists, since test
// discovery runs this binary at build time, without a display.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>

#ifdef QOR_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  TestApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
