// Development companion: starts the main window on a program folder and
// saves a picture of it, so its look can be checked without a desktop.
// Usage: yorozu_shot <program folder> <picture.png>
#include "ui/ScriptedDialogs.h"
#include "ui/YorozuApplication.h"
#include "ui/Yorozu1.h"

#include <QFont>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: yorozu_shot <program folder> <picture.png>\n");
        return 2;
    }
    yorozu::YorozuApplication app(argc, argv);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
    yorozu::ScriptedDialogs dialogs;
    yorozu::TYorozu window(argv[1], dialogs);
    window.show();
    // A desktop activates the window once it is shown; a bare X server does not.
    window.FormActivate();
    const QString out = QString::fromLocal8Bit(argv[2]);
    int rc = 1;
    QTimer::singleShot(800, &app, [&] {
        rc = window.grab().save(out) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return rc;
}
