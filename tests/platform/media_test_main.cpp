// The playback tests need one application object for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Offscreen also when CTest lists the tests at build time.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
