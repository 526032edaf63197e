#include "ui/app/ProgramFolderHint.h"

#include <QAbstractButton>
#include <QWidget>

namespace yorozu {

void showProgramFolder(QWidget& window, const std::filesystem::path& programDir)
{
    auto* manual = window.findChild<QAbstractButton*>(QStringLiteral("SpeedButton16"));
    if (!manual)
        return;
    manual->setToolTip(manual->toolTip() + QStringLiteral("\nプログラムフォルダ: ") +
                       QString::fromStdString(programDir.string()));
}

} // namespace yorozu
