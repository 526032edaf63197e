#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one application object for the whole run; the plain
// text tests do not mind it. The build lists the tests by running this
// program without the test environment, so without a platform of its own it
// must not reach for a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
