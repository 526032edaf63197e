// The program entry: the application in Japanese, the program folder of this
// copy, the main window on it, an estimate handed over on the command line,
// the message loop.
#include "files/program/ProgramFolder.h"
#include "ui/app/Japanese.h"
#include "ui/app/OpenAtStart.h"
#include "ui/app/ProgramFolderHint.h"
#include "ui/app/StartArguments.h"
#include "ui/app/ProgramLock.h"
#include "ui/app/YorozuApplication.h"
#include "ui/dialogs/QtDialogs.h"
#include "ui/window/Yorozu1.h"

#include <QFont>

int main(int argc, char** argv)
{
    yorozu::YorozuApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("見積書作成"));
    app.setDesktopFileName(QStringLiteral("yorozu"));
    yorozu::useJapanese(app);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
    yorozu::QtDialogs dialogs;
    // Chosen once, here, and passed to everything that reads or writes its files.
    const auto folder = yorozu::resolveProgramFolder(yorozu::currentProgramFolderInputs(argv[0]));
    if (!folder) {
        dialogs.warning(QString::fromStdString(folder.error));
        return 1;
    }
    // A second copy on the same folder would be a second writer of its files.
    yorozu::ProgramLock lock(folder.path);
    if (!lock.mayStart(dialogs))
        return 1;
    yorozu::TYorozu window(folder.path, dialogs);
    dialogs.setParent(&window);
    yorozu::showProgramFolder(window, folder.path);
    window.show();
    if (const auto file = yorozu::estimateFileArgument(app.arguments()))
        yorozu::openEstimateAtStart(window, *file);
    return app.exec();
}
