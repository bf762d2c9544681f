// The main of every test program that needs a Qt application object for the
// whole run. Its name is the caption of the message boxes; a test program
// sets it with the compile definition TEST_APPLICATION_NAME.
#include <gtest/gtest.h>

#include <QApplication>

#ifndef TEST_APPLICATION_NAME
#define TEST_APPLICATION_NAME "Velmora"
#endif

int main(int argc, char** argv) {
  // Offscreen also when the build lists the tests, which happens without the
  // test's environment and often without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral(TEST_APPLICATION_NAME));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
