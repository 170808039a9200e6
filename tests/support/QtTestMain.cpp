// GoogleTest main for tests that need a QApplication (widgets, pictures,
// timers). Runs headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "TambApplication.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    tamb::TambApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
