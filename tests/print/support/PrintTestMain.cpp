#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts, images and the PDF writer need an application object; listing the
// tests runs this program without the test environment, so without a
// platform of its own it must not reach for a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
