#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

// The dialog tests need one application object for the whole run, with the
// program's font. Listing the tests runs this program without the test
// environment, so without a platform of its own it must not reach for a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
    return RUN_ALL_TESTS();
}
