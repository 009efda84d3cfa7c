#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Death tests re-run this binary for the one test, so each child gets its
  // own fresh QApplication.
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  // Headless always, also when ctest lists the tests without the environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
