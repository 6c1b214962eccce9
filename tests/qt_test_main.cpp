// Shared main of the tests that need Qt. Tests run headless: without a display
// Qt would abort, so the offscreen platform is chosen unless one is set.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/application.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // Number formatting back to "C", locale decimal separator, font substitutes.
    InitializePlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
