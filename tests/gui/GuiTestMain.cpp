#include <gtest/gtest.h>

#include <QApplication>

#include "SuiteWorld.h"

// The window's tests drive real widgets without a display, against the
// program's demo world.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    orvane::testing::AddWorldEnvironment();
    return RUN_ALL_TESTS();
}
