// Widgets need the application object before the first test creates one.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  // The window's lookups stop the program on a missing name; a forked child would inherit
  // the toolkit's threads, so death tests start afresh.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
