#include <gtest/gtest.h>

#include <QApplication>

#include "SuiteWorld.h"

// The window's tests drive real widgets without a display, against the
// program's demo world.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Font choice follows the locale (a Korean one draws Latin text in the CJK
    // face, with taller rows): the positions and pictures the tests expect are
    // those of the C locale, whatever the developer's shell has set.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    orvane::testing::AddWorldEnvironment();
    return RUN_ALL_TESTS();
}
