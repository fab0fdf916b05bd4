// The widget tests run inside one QApplication, set up as the program sets up its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/application_setup.h"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  quarvel::qt::PrepareApplication(app);
  return RUN_ALL_TESTS();
}
