// The program entry: the application, the main window on the program folder, the message loop.
#include "ui/dialogs/QtDialogs.h"
#include "ui/app/YorozuApplication.h"
#include "ui/window/Yorozu1.h"

#include <QFont>

int main(int argc, char** argv)
{
    yorozu::YorozuApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("見積書作成"));
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
    // Settings and lists live next to the executable.
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    yorozu::QtDialogs dialogs;
    yorozu::TYorozu window(programDir, dialogs);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
