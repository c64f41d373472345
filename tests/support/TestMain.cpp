// The one main of every test program: real widgets, offscreen unless a display
// is asked for, and a fixed style so that sizes do not depend on the desktop.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
